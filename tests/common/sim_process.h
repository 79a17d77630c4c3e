#pragma once
// The simulated controller program (krx-sim) started for an end-to-end test
// and stopped after it: a real pseudo-terminal for the program under test.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace krx::test {

// A program of the build tree, or the one an environment variable names:
// tests/<test> sits beside src/.
inline QString BuiltProgram(const char* variable, const char* relative) {
    const QString fromEnvironment = qEnvironmentVariable(variable);
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(relative));
}

inline QString SimulatorProgram() { return BuiltProgram("KRX_SIM_PROGRAM", "../src/sim/krx-sim"); }

// Starts krx-sim with `arguments`; the terminal it serves ("pts/4"), or
// empty (with `why` said) when it did not start.
inline QString StartSimulatorProcess(QProcess& simulator, const QStringList& arguments, QString& why) {
    const QString program = SimulatorProgram();
    if (!QFileInfo(program).isExecutable()) {
        why = "krx-sim not found at " + program + " (build it, or set KRX_SIM_PROGRAM)";
        return {};
    }
    simulator.setProgram(program);
    simulator.setArguments(arguments);
    simulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    simulator.start();
    if (!simulator.waitForStarted(5000) || !simulator.waitForReadyRead(5000)) {
        why = "krx-sim did not start";
        return {};
    }
    // Its first line names the terminal to open.
    return QString::fromLocal8Bit(simulator.readLine()).trimmed();
}

inline void StopSimulatorProcess(QProcess& simulator) {
    if (simulator.state() == QProcess::NotRunning) return;
    simulator.terminate();
    if (!simulator.waitForFinished(3000)) {
        simulator.kill();
        simulator.waitForFinished(3000);
    }
}

}  // namespace krx::test
