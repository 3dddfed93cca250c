// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CliCommon.h"

#include <QSaveFile>
#include <cstdio>

namespace nuklorama::cli {

void Complain(const QString& message) {
    std::fprintf(stderr, "nuklorama-cli: %s\n", message.toLocal8Bit().constData());
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

}  // namespace nuklorama::cli
