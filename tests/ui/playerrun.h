#pragma once

#include <QString>

// Tests run as root here, and root may write anywhere. What a player's account cannot do
// (write into "/", into a read-only folder) is tested by running one test case of the same
// program again as the unprivileged user "nobody".
namespace playerrun {

// Whether this process is root and so has to hand such a case over.
bool needed();
// Runs "program testCase" (a function, optionally with ":row") as nobody; true when that run
// passed without a failure or a skip. The run's output goes to *output.
bool run(const QString &testCase, QString *output);

} // namespace playerrun
