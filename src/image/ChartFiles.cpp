// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/ChartFiles.h"

#include <QBuffer>
#include <QSaveFile>

#include "chart/SvgSurface.h"

namespace nuklorama {

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt's PNG quality 85 is zlib level 1; like every level it keeps the pixels exactly.
    image.save(&buffer, "PNG", 85);
    return bytes;
}

std::string SvgOfDrawnChart(const DrawnChart& chart) {
    SvgSurface svg(chart.widthPixels, chart.heightPixels, chart.twipsPerPixel);
    DrawChart(*chart.table, chart.cellSize, chart.overlays, svg);
    return svg.Document();
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
