#include "core/wheel/WheelGuarantee.h"

#include <QRegularExpression>

QString WheelGuarantee::caption() const
{
    return QStringLiteral("中%1保%2").arg(m).arg(t);
}

QString WheelGuarantee::key() const
{
    return QStringLiteral("%1-%2").arg(m).arg(t);
}

std::optional<WheelGuarantee> ParseWheelGuarantee(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(?:中)?([3-6])(?:-|保)([3-6])\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const WheelGuarantee g{match.captured(1).toInt(), match.captured(2).toInt()};
    for (const WheelGuarantee &offered : kWheelGuarantees)
        if (offered == g)
            return g;
    return std::nullopt;
}
