#pragma once

#include <QStringList>

// gd7-publish verify: reads a release folder back and checks what its update.json promises.
int runVerifyCommand(const QStringList &args);
