// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/ChartFiles.h"

#include <QSaveFile>

#include "chart/RecordedSurface.h"

namespace nuklorama {

std::string SvgOfDrawnChart(const DrawnChart& chart) {
    RecordedSurface svg(chart.widthPixels, chart.heightPixels, chart.twipsPerPixel);
    DrawChart(*chart.table, chart.cellSize, chart.overlays, svg);
    return SvgDocument(chart.widthPixels, chart.heightPixels, SvgElements(svg));
}

QString WriteAtomically(const QString& path, const QByteArray& data) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return file.errorString();
    }
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace nuklorama
