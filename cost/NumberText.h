#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// Turns numbers into the text the user sees and back, in the user's locale: 15 significant
// digits, no digit grouping, nothing added. Whatever it writes, it reads back.
// It knows nothing of prices or totals; refusing a text is the caller's business.
class NumberText final {
public:
    // The default follows LC_ALL, LC_NUMERIC and LANG, as QLocale() does.
    explicit NumberText(const QLocale &locale = QLocale());

    QString write(double value) const;
    // A finite number, or nothing for a text that is not one (a word, blanks, "inf", a
    // number beyond the range of a double).
    std::optional<double> read(QStringView text) const;

    const QLocale &locale() const { return m_locale; }

private:
    std::optional<double> readLocaleSymbols(QStringView text) const;

    QLocale m_locale;
};
