// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

#include "support/ScriptedUserInterface.h"
#include "table/LoadFile.h"

// A fresh temporary folder that is the current directory while the object lives.
class TemporaryCurrentDir {
public:
    TemporaryCurrentDir() : previous_(QDir::currentPath()) {
        if (!dir_.isValid() || !QDir::setCurrent(dir_.path()))
            throw std::runtime_error("no temporary directory");
    }
    ~TemporaryCurrentDir() { QDir::setCurrent(previous_); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

// The whole file, or nothing when it cannot be read.
inline QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every entry of a folder but . and .., hidden ones and FIFOs included.
inline QStringList Entries(const QString& folder = ".") {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// A table file: the header line, then each record line, every line ending in CR LF.
inline std::string Table(std::initializer_list<std::string> records, int repeats = 1) {
    std::string text = "name,Z,N,A,symbol,halflife,unit\r\n";
    for (int i = 0; i < repeats; ++i)
        for (const std::string& r : records)
            text += r + "\r\n";
    return text;
}

// A record line with the given numbers, half-life and unit.
inline std::string Record(int z, int n, const std::string& halfLife, const std::string& unit) {
    return "X" + std::to_string(z + n) + "," + std::to_string(z) + "," + std::to_string(n) + "," +
           std::to_string(z + n) + ",X," + halfLife + "," + unit;
}

// Record i of t as "Z,N,half-life,unit", to compare a whole record at once.
inline std::string Stored(const nuklorama::NuclideTable& t, int i) {
    std::ostringstream out;
    const auto r = std::size_t(i);
    out << t.ProtonNumber[r] << ',' << t.NeutronNumber[r] << ',' << t.HalfLife[r] << ','
        << t.HalfLifeUnit[r];
    return out.str();
}

// What a load test starts from: an empty folder as the current directory, a table and a scripted
// person to answer the prompts.
struct LoadScratch {
    TemporaryCurrentDir dir;
    std::unique_ptr<nuklorama::NuclideTable> table = std::make_unique<nuklorama::NuclideTable>();
    ScriptedUserInterface ui;

    // Writes bytes as nuklorama.csv and loads it.
    void Load(const std::string& bytes) {
        WriteFile("nuklorama.csv", bytes);
        nuklorama::LoadFile("nuklorama.csv", *table, ui);
    }
};
