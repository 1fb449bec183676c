#include "buttonchecks.h"
#include "texts.h"

#include "config/buttontable.h"
#include "config/scriptbalance.h"
#include "file/tkftext.h"

namespace {

// The most rows named for one unbalanced button; the rest are counted.
constexpr int MaxNamedRows = 3;

// Why a button is unbalanced, in terms the user can find in the script: the
// rows the content list would show red, and an odd length.
QString unbalancedReasons(const ButtonContent &c)
{
    QStringList reasons;
    if (c.length % 2 != 0)
        reasons.append(Texts::tr("odd number of entries (%1)").arg(c.length));
    int unnamed = 0;
    for (int row = 0; row < c.length; ++row) {
        const ContentEntry &e = c.entries[size_t(row)];
        QString reason;
        if (e.action == ActionPress && pressUnmatched(c, row))
            reason = Texts::tr("entry %1 (%2) has no release after it");
        else if (e.action == ActionRelease && releaseUnmatched(c, row))
            reason = Texts::tr("entry %1 (%2) has no press before it");
        else
            continue;
        if (reasons.size() < MaxNamedRows)
            reasons.append(reason.arg(row + 1).arg(textEntry(e)));
        else
            ++unnamed;
    }
    if (unnamed > 0)
        reasons.append(Texts::tr("%1 more").arg(unnamed));
    QString text = Texts::tr("unbalanced (a key pressed and never released, or released "
                                  "without being pressed)");
    if (!reasons.isEmpty())
        text += QStringLiteral(": ") + reasons.join(QStringLiteral("; "));
    return text;
}

} // namespace

QStringList buttonProblems(const ButtonTable &table)
{
    QStringList problems;
    for (int i = 0; i < table.buttonCount; ++i) {
        const ButtonContent &c = table.content(uint8_t(i));
        const auto problem = [&](const QString &what) {
            return Texts::tr("Button %1: %2").arg(i + 1).arg(what);
        };
        if (!contentBalanced(c))
            problems.append(problem(unbalancedReasons(c)));
        if (hasSuccessiveDelays(c))
            problems.append(problem(Texts::tr("successive delays (with keyboard "
                                                                 "autorepeat the key action before "
                                                                 "them may repeat)")));
    }
    return problems;
}
