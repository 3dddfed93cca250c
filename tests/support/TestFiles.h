#pragma once

#include <QTemporaryDir>
#include <string>

// A fresh temporary folder that is the current directory while the object lives.
class TemporaryCurrentDir {
public:
    TemporaryCurrentDir();
    ~TemporaryCurrentDir();
    std::string Path(const std::string& name) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

void WriteFile(const std::string& path, const std::string& bytes);

// A table file: the header line, then each record line, every line ending in CR LF.
std::string Table(std::initializer_list<std::string> records);
// A record line with the given numbers, half-life and unit.
std::string Record(int z, int n, const std::string& halfLife, const std::string& unit);
