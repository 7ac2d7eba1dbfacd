#include "board/numberwords.h"

#include <array>

namespace getalveld {

namespace {

constexpr std::array<const char *, 20> base = {
    "nul",  "een",  "twee",  "drie",    "vier",     "vijf",     "zes",     "zeven",     "acht",     "negen",
    "tien", "elf",  "twaalf", "dertien", "veertien", "vijftien", "zestien", "zeventien", "achttien", "negentien"};

constexpr std::array<const char *, 10> tens = {"",       "tien",    "twintig",  "dertig",  "veertig",
                                               "vijftig", "zestig", "zeventig", "tachtig", "negentig"};

} // namespace

QString numberWord(int n)
{
    Q_ASSERT_X(n >= 0 && n <= 99, "numberWord", "number outside 0 to 99");
    if (n < 0 || n > 99)
        return QString();
    if (n < 20)
        return QString::fromUtf8(base[n]);
    const int t = n / 10, u = n % 10;
    if (u == 0)
        return QString::fromUtf8(tens[t]);
    // "twee" and "drie" end in an e, so the joiner takes a diaeresis: tweeëntwintig.
    const char *joiner = (u == 2 || u == 3) ? "ën" : "en";
    return QString::fromUtf8(base[u]) + QString::fromUtf8(joiner) + QString::fromUtf8(tens[t]);
}

QString remainderWord(int r)
{
    Q_ASSERT_X(r >= 0 && r <= 100, "remainderWord", "remainder outside 0 to 100");
    if (r < 0 || r > 100)
        return QString();
    if (r == 100)
        return QStringLiteral("honderd");
    if (r >= 1 && r <= 12)
        return QStringLiteral("en ") + numberWord(r);
    return numberWord(r);
}

QString hundredsWord(int h)
{
    Q_ASSERT_X(h >= 0 && h <= 9, "hundredsWord", "hundreds outside 0 to 9");
    if (h <= 0 || h > 9)
        return QString();
    if (h == 1)
        return QStringLiteral("honderd");
    return numberWord(h) + QStringLiteral("honderd");
}

} // namespace getalveld
