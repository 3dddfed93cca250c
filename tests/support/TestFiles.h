// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTemporaryDir>
#include <memory>
#include <string>

#include "support/ScriptedUserInterface.h"
#include "table/NuclideTable.h"

// A fresh temporary folder that is the current directory while the object lives.
class TemporaryCurrentDir {
public:
    TemporaryCurrentDir();
    ~TemporaryCurrentDir();

private:
    QTemporaryDir dir_;
    QString previous_;
};

void WriteFile(const std::string& path, const std::string& bytes);
// The whole file, or nothing when it cannot be read.
QByteArray Contents(const QString& path);

// A table file: the header line, then each record line, every line ending in CR LF.
std::string Table(std::initializer_list<std::string> records);
// A record line with the given numbers, half-life and unit.
std::string Record(int z, int n, const std::string& halfLife, const std::string& unit);

// Record i of t as "Z,N,half-life,unit", to compare a whole record at once.
std::string Stored(const nuklorama::NuclideTable& t, int i);

// What a load test starts from: an empty folder as the current directory, a table and a scripted
// person to answer the prompts.
struct LoadScratch {
    TemporaryCurrentDir dir;
    std::unique_ptr<nuklorama::NuclideTable> table = std::make_unique<nuklorama::NuclideTable>();
    ScriptedUserInterface ui;

    // Writes bytes as nuklorama.csv and loads it.
    void Load(const std::string& bytes);
};
