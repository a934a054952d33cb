#include "qt/CReportComponents.h"

#include "qt/CMessages.h"

#include <algorithm>

#include <QCoreApplication>

#include "base/Gbk.h"
#include "base/Geometry.h"
#include "components/CBarTide.h"
#include "components/CChars.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "components/CUpLoadPic.h"
#include "components/RegisterOperand.h"

namespace zl
{
namespace
{

QString text(const std::string& gbk) { return QString::fromStdString(gbkToUtf8(gbk)); }
QString yesNo(bool on, const QString& what) { return on ? what : QString(); }

QStringList nonEmpty(QStringList items)
{
    items.removeAll(QString());
    return items;
}

} // namespace

QString CReportComponents::range(std::uint32_t min, std::uint32_t max, bool isSigned)
{
    return tr("%1 … %2").arg(limitValue(min, isSigned)).arg(limitValue(max, isSigned));
}

// Text or picture: what the component shows.
QString CReportComponents::shown(const CBase& c)
{
    if (const auto* chars = dynamic_cast<const CChars*>(&c))
        return text(chars->text);
    if (const auto* dynamic = dynamic_cast<const CDynamic*>(&c)) {
        QStringList entries;
        const std::size_t count = std::min({dynamic->contents.size(), dynamic->valueTexts.size(), dynamic->values.size()});
        for (std::size_t i = 0; i < count; ++i)
            if (!dynamic->valueTexts[i].empty())
                entries << tr("%1 → %2").arg(text(dynamic->valueTexts[i]), text(dynamic->contents[i]));
        return entries.join('\n');
    }
    if (const auto* picture = dynamic_cast<const CUpLoadPic*>(&c))
        return tr("picture %1 × %2").arg(picture->Width()).arg(picture->Height());
    if (const auto* light = dynamic_cast<const CLight*>(&c))
        return light->shapeOrKey == 0 ? tr("round lamp") : tr("square lamp");
    if (const auto* bar = dynamic_cast<const CBar*>(&c)) {
        static const char* const directions[] = {QT_TR_NOOP("grows up"), QT_TR_NOOP("grows down"), QT_TR_NOOP("grows left"),
                                                 QT_TR_NOOP("grows right")};
        return tr(directions[std::min<int>(bar->direction, 3)]);
    }
    if (const auto* tide = dynamic_cast<const CTide*>(&c))
        return tr("%1 samples every %2 s").arg(tide->sampleDots).arg(tide->sampleInterval);
    return {};
}

// The value format and display options after the operand.
QString CReportComponents::format(const CBase& c)
{
    const bool isSigned = c.isSigned != 0;
    if (const auto* reg = dynamic_cast<const CRegister*>(&c)) {
        return nonEmpty({c.format == 0 ? tr("HEX/BCD") : tr("DEC"), isSigned ? tr("signed") : tr("unsigned"),
                         tr("%1 digits, %2 decimals").arg(reg->digits).arg(reg->decimals),
                         tr("%n word(s)", "", c.wordCount), yesNo(reg->set, tr("operator entry")),
                         yesNo(reg->password, tr("password"))})
            .join(", ");
    }
    if (dynamic_cast<const CDynamic*>(&c) || dynamic_cast<const CBarTide*>(&c))
        return nonEmpty({isSigned ? tr("signed") : tr("unsigned"), tr("%n word(s)", "", c.wordCount)}).join(", ");
    if (const auto* light = dynamic_cast<const CLight*>(&c))
        return tr("bit %1").arg(light->bitOffset);
    return {};
}

QString CReportComponents::limits(const CBase& c)
{
    const bool isSigned = c.isSigned != 0;
    if (const auto* reg = dynamic_cast<const CRegister*>(&c)) {
        return nonEmpty({reg->limited ? tr("input %1").arg(range(reg->minInput, reg->maxInput, isSigned)) : QString(),
                         reg->engineeringUnits
                             ? tr("engineering %1").arg(range(reg->engineeringMin, reg->engineeringMax, isSigned))
                             : QString()})
            .join('\n');
    }
    if (const auto* bar = dynamic_cast<const CBarTide*>(&c))
        return range(bar->minValue, bar->maxValue, isSigned);
    return {};
}

QString CReportComponents::keys(const CBase& c)
{
    const auto* key = dynamic_cast<const CFunction*>(&c);
    if (!key)
        return {};
    QString action;
    switch (key->action) {
    case CFunction::kSetCoil: {
        static const char* const actions[] = {QT_TR_NOOP("set coil ON"), QT_TR_NOOP("set coil OFF"),
                                              QT_TR_NOOP("reverse coil"), QT_TR_NOOP("coil on while pressed")};
        action = tr(actions[std::min<int>(key->coilAction, 3)]);
        break;
    }
    case CFunction::kJumpTo:
        action = key->jumpTarget == 0   ? tr("jump to window %1").arg(key->windowNumber)
                 : key->jumpTarget == 1 ? tr("show the alarm list")
                                        : tr("set time and date");
        break;
    default:
        action = tr("set register to %1").arg(key->value);
    }
    return nonEmpty({tr("key %1").arg(QString::fromStdString(CFunction::KeyNames()[key->Key()])), action,
                     yesNo(key->password, tr("password")), yesNo(key->invisible, tr("invisible")), yesNo(key->hand, tr("hand"))})
        .join(", ");
}

QStringList CReportComponents::TableTitles()
{
    return {tr("No."),     tr("Kind"),     tr("Position and size"), tr("Text or picture"), tr("Operand and format"),
            tr("Limits"), tr("Jumps and keys")};
}

std::vector<double> CReportComponents::TableShares() { return {1.5, 4, 4.5, 9, 8, 6, 7}; }

QStringList CReportComponents::Row(std::size_t number, const CBase& c, const QStringList& operands)
{
    QStringList kind{componentKindText(c.typeCode)};
    if (c.doubleSize)
        kind << tr("double size");
    if (c.reverse)
        kind << tr("reverse");
    const QString place = tr("(%1, %2)\n%3 × %4")
                              .arg(c.x)
                              .arg(c.y)
                              .arg(canvasToPanel(c.rect.width()))
                              .arg(canvasToPanel(c.rect.height()));
    return {QString::number(number),
            kind.join(", "),
            place,
            shown(c),
            nonEmpty({operands.join('\n'), format(c)}).join('\n'),
            limits(c),
            keys(c)};
}

} // namespace zl
