#pragma once

#include <QByteArray>
#include <QString>

// Files a test writes for the code under test to read or start:
//   ASSERT_TRUE(WriteFile(dir.filePath("10.1.1.1.cfg"), "[Program Information]\n..."));

// Writes the whole content to path, replacing what was there; false if it
// cannot.
bool WriteFile(const QString &path, const QByteArray &content);

// Writes a shell script its owner may run; false if it cannot.
bool WriteScript(const QString &path, const QByteArray &script);

// The whole content of the file at path; empty if it cannot be read.
QByteArray ReadFile(const QString &path);
