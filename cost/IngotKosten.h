#pragma once

#include "FieldAccess.h"
#include "NumberText.h"

// The cost sheet: the numbers of the purchase being worked out and the three commands behind
// the window's buttons. It reads and writes only the four field texts, through FieldAccess,
// and never touches a control. The running total lives in the total display's text, which
// Add reads back every time, so the user may type a total of their own there.
class IngotKosten final {
public:
    struct StoredNumbers {
        double PreisWert = 0;
        double AnzahlWert = 0;
        double KostenWert = 0;
        double GesamtWert = 0;

        friend bool operator==(const StoredNumbers &, const StoredNumbers &) = default;
    };

    explicit IngotKosten(FieldAccess &fields, NumberText numberText = NumberText());

    // Calculate: price times amount into the cost display, then empties both entries.
    void Berechnen_Click();
    // Add: the last calculated cost onto the total display, again on every click.
    void add_Click();
    // Reset: empties the entries and writes 0 to both displays; the last cost is kept.
    void clear_Click();

    const StoredNumbers &storedNumbers() const { return m_numbers; }

private:
    void showError(const QString &prompt);

    FieldAccess &m_fields;
    NumberText m_numberText;
    StoredNumbers m_numbers;
};
