#pragma once
// The report's words for components and operand uses: one table row per component (number, kind,
// position and size, text or picture, operand and format, limits, jumps and keys) and the columns of the
// operand cross-reference.
#include <cstddef>
#include <vector>

#include <QCoreApplication>
#include <QStringList>

#include "operands/COperandIndex.h"

namespace zl
{

class CBase;

class CReportComponents {
    Q_DECLARE_TR_FUNCTIONS(CReportComponents)

public:
    static QStringList TableTitles();
    static std::vector<double> TableShares();
    // The row of `component`, numbered `number`, whose operands as the pages name them are `operands`.
    static QStringList Row(std::size_t number, const CBase& component, const QStringList& operands);

    // "window 3 (Main), Register 2 at (10, 20)", "panel settings" or "alarm list".

private:
    static QString shown(const CBase& c);
    static QString format(const CBase& c);
    static QString limits(const CBase& c);
    static QString keys(const CBase& c);
    static QString range(std::uint32_t min, std::uint32_t max, bool isSigned);
};

} // namespace zl
