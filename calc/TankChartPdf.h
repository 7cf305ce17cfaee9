#pragma once

#include "calc/DipTable.h"
#include "calc/TankContent.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace zeft::calc_ui {

// The Tank Chart on A4 as PDF bytes: the title, the content curve, then the dip table in
// columns over as many pages as it needs, each page headed with the tank's description and
// "Page n of m". Empty when Qt could not
// paint the document. (Named *Form so that it builds with the windows.)
QByteArray TankChartPdf(const TankContent& content, const std::vector<DipRow>& rows, DipVolumes volumes,
                        const QString& description);

} // namespace zeft::calc_ui
