// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "table/LoadFile.h"

TemporaryCurrentDir::TemporaryCurrentDir() : previous_(QDir::currentPath()) {
    if (!dir_.isValid() || !QDir::setCurrent(dir_.path()))
        throw std::runtime_error("no temporary directory");
}

TemporaryCurrentDir::~TemporaryCurrentDir() {
    QDir::setCurrent(previous_);
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string Table(std::initializer_list<std::string> records) {
    std::string text = "name,Z,N,A,symbol,halflife,unit\r\n";
    for (const std::string& r : records)
        text += r + "\r\n";
    return text;
}

std::string Record(int z, int n, const std::string& halfLife, const std::string& unit) {
    return "X" + std::to_string(z + n) + "," + std::to_string(z) + "," + std::to_string(n) + "," +
           std::to_string(z + n) + ",X," + halfLife + "," + unit;
}

std::string Stored(const nuklorama::NuclideTable& t, int i) {
    std::ostringstream out;
    const auto r = std::size_t(i);
    out << t.ProtonNumber[r] << ',' << t.NeutronNumber[r] << ',' << t.HalfLife[r] << ','
        << t.HalfLifeUnit[r];
    return out.str();
}

void LoadScratch::Load(const std::string& bytes) {
    WriteFile("nuklorama.csv", bytes);
    nuklorama::LoadFile("nuklorama.csv", *table, ui);
}
