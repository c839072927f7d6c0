// Drives the cost sheet with random sessions in random locales and checks its rules after
// every step; any broken rule aborts, so libFuzzer keeps the input that broke it.
//
// An input is a locale name ended by a zero byte (a name Qt does not know picks a locale from
// its list by the name's bytes), then steps. A step is one byte: 0 to 3 types a text into
// GPIngot, AnzIngots, KostenAusgabe or gkosten; 4, 5 and 6 click Calculate, Add and Reset.
// A text is a length byte and that many bytes: with the length's top bit set, raw UTF-8;
// otherwise each byte below 128 is that ASCII character and each above stands for one of
// the tokens below (the locale's own symbols and digits, marks, exponents, big numbers).

#include "FakeFields.h"
#include "IngotKosten.h"

#include <QList>
#include <QLocale>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>

using namespace Qt::StringLiterals;

namespace {

void require(bool rule, const char *what)
{
    if (!rule) {
        std::fprintf(stderr, "broken rule: %s\n", what);
        std::abort();
    }
}

class Input {
public:
    Input(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    bool atEnd() const { return m_at >= m_size; }
    std::uint8_t next() { return atEnd() ? 0 : m_data[m_at++]; }

    QByteArray bytes(std::size_t count)
    {
        count = std::min(count, m_size - m_at);
        QByteArray taken(reinterpret_cast<const char *>(m_data + m_at), qsizetype(count));
        m_at += count;
        return taken;
    }

    QByteArray untilZero(std::size_t most)
    {
        QByteArray taken;
        while (!atEnd() && taken.size() < qsizetype(most)) {
            const std::uint8_t byte = next();
            if (byte == 0)
                break;
            taken.append(char(byte));
        }
        return taken;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

QLocale pickLocale(const QByteArray &name)
{
    static const QList<QLocale> all =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    const QLocale named(QString::fromLatin1(name));
    if (named.name() != u"C" || name == "C")
        return named;
    return all[qsizetype(qHash(name) % std::size_t(all.size()))];
}

QStringList tokensFor(const QLocale &locale)
{
    QStringList tokens{locale.decimalPoint(), locale.groupSeparator(), locale.negativeSign(),
                       locale.positiveSign(), locale.exponential(),    locale.percent()};
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    for (uint digit = 0; digit < 10 && zero.size() == 1; ++digit) {
        const char32_t c = char32_t(zero[0] + digit);
        tokens.append(QString::fromUcs4(&c, 1));
    }
    tokens << u"\u2212"_s << u"\u200e"_s << u"\u200f"_s << u"\u061c"_s << u"\u00a0"_s << u"\u202f"_s
           << u"\u00d710^"_s << u"\u00b710^"_s << u"\u066b"_s << u"\u06f1"_s << u"\u0661"_s
           << u"inf"_s << u"nan"_s << u"1e308"_s << u"1e-320"_s << u"1.79769313486232E+308"_s
           << u"123456789012345678"_s << u"0.1"_s << u"  "_s;
    return tokens;
}

QString readText(Input &input, const QStringList &tokens)
{
    const std::uint8_t length = input.next();
    if (length & 0x80)
        return QString::fromUtf8(input.bytes(length & 0x7f));
    QString text;
    for (const char byte : input.bytes(length)) {
        const auto code = std::uint8_t(byte);
        if (code < 0x80)
            text.append(QLatin1Char(char(code)));
        else
            text.append(tokens[(code - 0x80) % tokens.size()]);
    }
    return text;
}

// The number in a text reads back as one that writes the same text.
bool readsBack(const NumberText &numberText, const QString &text)
{
    const std::optional<double> read = numberText.read(text);
    return read && numberText.write(*read) == text;
}

bool onlyError(const FakeFields &fields, const QStringList &prompts)
{
    return fields.messages.size() == 1 && fields.messages[0].title == u"Error"
           && fields.messages[0].style == MessageRequest::Style::Plain
           && prompts.contains(fields.messages[0].prompt);
}

void checkCalculate(const FakeFields &fields, const QStringList &before,
                    const IngotKosten::StoredNumbers &numbersBefore, const IngotKosten &sheet,
                    const NumberText &numberText)
{
    const bool priceEmpty = before[0].isEmpty();
    const bool amountEmpty = before[1].isEmpty();
    const bool unchanged = fields.texts() == before && sheet.storedNumbers() == numbersBefore;
    if (priceEmpty || amountEmpty) {
        const QString expected = priceEmpty && amountEmpty
                                     ? u"Please enter Price and Amount of Ingots."_s
                                 : priceEmpty ? u"Please enter Price."_s
                                              : u"Please enter Amount of Ingots."_s;
        require(onlyError(fields, {expected}), "Calculate: the empty-field message");
        require(unchanged, "Calculate: an empty-field message changed something");
        return;
    }

    const std::optional<double> price = numberText.read(before[0]);
    const std::optional<double> amount = numberText.read(before[1]);
    if (!fields.messages.isEmpty()) {
        const QString expected = !price    ? u"Price is not a valid number."_s
                                 : !amount ? u"Amount of Ingots is not a valid number."_s
                                           : u"The Costs are too large."_s;
        require(onlyError(fields, {expected}), "Calculate: the failure message");
        require(!price || !amount || std::isinf(*price * *amount),
                "Calculate: a failure without cause");
        require(unchanged, "Calculate: a failed command left a trace");
        return;
    }

    const double kosten = sheet.storedNumbers().KostenWert;
    const QString cost = fields.texts()[2];
    require(price && amount && kosten == *price * *amount, "Calculate: the product");
    require(cost.endsWith(u" GP"), "Calculate: the GP suffix");
    require(cost.chopped(3) == numberText.write(kosten), "Calculate: the cost display");
    require(readsBack(numberText, cost.chopped(3)), "Calculate: the cost reads back");
    require(fields.texts()[0].isEmpty() && fields.texts()[1].isEmpty(),
            "Calculate: the entries emptied");
    require(fields.texts()[3] == before[3], "Calculate: the total untouched");
}

void checkAdd(const FakeFields &fields, const QStringList &before,
              const IngotKosten::StoredNumbers &numbersBefore, const IngotKosten &sheet,
              const NumberText &numberText)
{
    const std::optional<double> total = numberText.read(before[3]);
    if (!fields.messages.isEmpty()) {
        const QString expected =
            !total ? u"Total Costs is not a valid number."_s : u"The Total Costs are too large."_s;
        require(onlyError(fields, {expected}), "Add: the failure message");
        require(fields.texts() == before && sheet.storedNumbers() == numbersBefore,
                "Add: a failed command left a trace");
        return;
    }
    const double gesamt = sheet.storedNumbers().GesamtWert;
    require(total && gesamt == *total + numbersBefore.KostenWert, "Add: the sum");
    require(fields.texts()[3] == numberText.write(gesamt), "Add: the total display");
    require(readsBack(numberText, fields.texts()[3]), "Add: the total reads back");
    require(fields.texts().mid(0, 3) == before.mid(0, 3), "Add: the other fields untouched");
    require(sheet.storedNumbers().KostenWert == numbersBefore.KostenWert,
            "Add: the cost untouched");
}

void checkClear(const FakeFields &fields, const IngotKosten::StoredNumbers &numbersBefore,
                const IngotKosten &sheet)
{
    require(fields.messages.isEmpty(), "Reset: no message");
    require(fields.texts() == QStringList({{}, {}, u"0"_s, u"0"_s}), "Reset: the fields");
    require(sheet.storedNumbers() == numbersBefore, "Reset: the numbers untouched");
}

void run(const std::uint8_t *data, std::size_t size)
{
    Input input(data, size);
    const NumberText numberText(pickLocale(input.untilZero(16)));
    const QStringList tokens = tokensFor(numberText.locale());
    FakeFields fields;
    IngotKosten sheet(fields, numberText);

    while (!input.atEnd()) {
        const int step = input.next() % 7;
        if (step < 4) {
            fields.setText(static_cast<Field>(step), readText(input, tokens));
            continue;
        }
        const QStringList before = fields.texts();
        const IngotKosten::StoredNumbers numbersBefore = sheet.storedNumbers();
        fields.messages.clear();
        switch (step) {
        case 4:
            sheet.Berechnen_Click();
            checkCalculate(fields, before, numbersBefore, sheet, numberText);
            break;
        case 5:
            sheet.add_Click();
            checkAdd(fields, before, numbersBefore, sheet, numberText);
            break;
        default:
            sheet.clear_Click();
            checkClear(fields, numbersBefore, sheet);
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        run(data, size);
    } catch (...) {
        require(false, "an exception escaped");
    }
    return 0;
}
