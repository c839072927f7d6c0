#include "NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr int significantDigits = 15;

bool isBidiMark(char32_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E)
           || (c >= 0x2066 && c <= 0x2069);
}

std::u32string withoutBidiMarks(QStringView text)
{
    std::u32string result;
    for (const char32_t c : text.toUcs4()) {
        if (!isBidiMark(c))
            result.push_back(c);
    }
    return result;
}

} // namespace

NumberText::NumberText(const QLocale &locale)
    : m_locale(locale)
{
    m_locale.setNumberOptions(m_locale.numberOptions() | QLocale::OmitGroupSeparator);
}

QString NumberText::write(double value) const
{
    return m_locale.toString(value, 'g', significantDigits);
}

std::optional<double> NumberText::read(QStringView text) const
{
    bool ok = false;
    const double value = m_locale.toDouble(text, &ok);
    if (ok)
        return std::isfinite(value) ? std::optional(value) : std::nullopt;
    if (const std::optional<double> spelled = readLocaleSymbols(text))
        return spelled;
    // Fifteen digits round the largest doubles up to a text just beyond the range of a
    // double ("1.79769313486232E+308"); the largest double is what that text stands for.
    constexpr double largest = std::numeric_limits<double>::max();
    const QStringView typed = text.trimmed();
    if (typed == write(largest))
        return largest;
    if (typed == write(-largest))
        return -largest;
    return std::nullopt;
}

// Qt's reader does not take back all that its writer produces: signs that carry a bidi mark
// ("\u200E-" in Hebrew, "\u061C-" in Arabic), exponents such as "×10^" (Swedish, Estonian)
// or "×۱۰^" (Persian) and the minus sign U+2212 inside them. This reader spells the
// locale's own symbols the way the C locale does and reads that. It is asked only after the
// locale's reader has refused a text, so nothing the locale reads today changes its meaning.
// It also takes the ASCII "-", "+" and "e"/"E" in every locale, since that is what people
// type whatever their locale writes; a group separator it refuses.
std::optional<double> NumberText::readLocaleSymbols(QStringView text) const
{
    const std::u32string typed = withoutBidiMarks(text.trimmed());
    const std::array<std::pair<std::u32string, char>, 9> symbols{{
        {withoutBidiMarks(m_locale.exponential()), 'e'},
        {withoutBidiMarks(m_locale.decimalPoint()), '.'},
        {withoutBidiMarks(m_locale.negativeSign()), '-'},
        {withoutBidiMarks(m_locale.positiveSign()), '+'},
        {U"\u2212", '-'},
        {U"-", '-'},
        {U"+", '+'},
        {U"e", 'e'},
        {U"E", 'e'},
    }};
    const std::u32string zero = withoutBidiMarks(m_locale.zeroDigit());
    const char32_t nativeZero = zero.size() == 1 ? zero.front() : U'0';

    QString spelled;
    for (std::size_t at = 0; at < typed.size();) {
        const char32_t c = typed[at];
        if (c >= U'0' && c <= U'9') {
            spelled += QChar(char16_t(c));
            ++at;
            continue;
        }
        if (c >= nativeZero && c <= nativeZero + 9) {
            spelled += QChar(char16_t(U'0' + (c - nativeZero)));
            ++at;
            continue;
        }
        const auto symbol = std::find_if(symbols.begin(), symbols.end(), [&](const auto &s) {
            return !s.first.empty() && typed.compare(at, s.first.size(), s.first) == 0;
        });
        if (symbol == symbols.end())
            return std::nullopt;
        spelled += QLatin1Char(symbol->second);
        at += symbol->first.size();
    }

    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(spelled, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}
