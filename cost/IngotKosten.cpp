#include "IngotKosten.h"

#include <cmath>

namespace {

const QString errorTitle = QStringLiteral("Error");
const QString costSuffix = QStringLiteral(" GP");

} // namespace

IngotKosten::IngotKosten(FieldAccess &fields, NumberText numberText)
    : m_fields(fields)
    , m_numberText(std::move(numberText))
{
}

void IngotKosten::Berechnen_Click()
{
    const QString price = m_fields.text(Field::GPIngot);
    const QString amount = m_fields.text(Field::AnzIngots);
    if (price.isEmpty() && amount.isEmpty()) {
        showError(QStringLiteral("Please enter Price and Amount of Ingots."));
        return;
    }
    if (price.isEmpty()) {
        showError(QStringLiteral("Please enter Price."));
        return;
    }
    if (amount.isEmpty()) {
        showError(QStringLiteral("Please enter Amount of Ingots."));
        return;
    }

    // Worked out on a copy that replaces the stored numbers only once every check has
    // passed, so a command that fails leaves no trace.
    StoredNumbers next = m_numbers;
    const std::optional<double> preis = m_numberText.read(price);
    if (!preis) {
        showError(QStringLiteral("Price is not a valid number."));
        return;
    }
    next.PreisWert = *preis;
    const std::optional<double> anzahl = m_numberText.read(amount);
    if (!anzahl) {
        showError(QStringLiteral("Amount of Ingots is not a valid number."));
        return;
    }
    next.AnzahlWert = *anzahl;
    // Both factors are finite, so only an overflow gives infinity. An underflow to zero or
    // to a tiny number is taken as it comes out.
    next.KostenWert = next.PreisWert * next.AnzahlWert;
    if (std::isinf(next.KostenWert)) {
        showError(QStringLiteral("The Costs are too large."));
        return;
    }

    m_numbers = next;
    m_fields.setText(Field::KostenAusgabe, m_numberText.write(m_numbers.KostenWert) + costSuffix);
    m_fields.setText(Field::GPIngot, QString());
    m_fields.setText(Field::AnzIngots, QString());
}

void IngotKosten::add_Click()
{
    const std::optional<double> total = m_numberText.read(m_fields.text(Field::gkosten));
    if (!total) {
        showError(QStringLiteral("Total Costs is not a valid number."));
        return;
    }
    const double gesamt = *total + m_numbers.KostenWert;
    if (std::isinf(gesamt)) {
        showError(QStringLiteral("The Total Costs are too large."));
        return;
    }

    m_numbers.GesamtWert = gesamt;
    m_fields.setText(Field::gkosten, m_numberText.write(m_numbers.GesamtWert));
}

void IngotKosten::clear_Click()
{
    m_fields.setText(Field::gkosten, QStringLiteral("0"));
    m_fields.setText(Field::GPIngot, QString());
    m_fields.setText(Field::AnzIngots, QString());
    m_fields.setText(Field::KostenAusgabe, QStringLiteral("0"));
}

void IngotKosten::showError(const QString &prompt)
{
    m_fields.showMessage({prompt, errorTitle, MessageRequest::Style::Plain});
}
