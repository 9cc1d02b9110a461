// The viewer's start-up as a person sees it: from starting the program on a file to its first
// drawn frame, which it reports on standard error ("first-frame MICROSECONDS") when
// QV_REPORT_FIRST_FRAME is set.
#pragma once

#include <QProcess>
#include <QString>

#include <chrono>

// Milliseconds from the start of `program` on `file` to its first frame; negative on failure.
inline double MillisecondsToFirstFrame(const QString& program, const QString& file, QProcessEnvironment env) {
    env.insert(QStringLiteral("QV_REPORT_FIRST_FRAME"), QStringLiteral("1"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setReadChannel(QProcess::StandardError);
    const auto now = [] {
        return std::chrono::duration_cast<std::chrono::microseconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
    };
    const long long start = now();
    process.start(program, {file});
    double result = -1;
    while (result < 0 && process.waitForReadyRead(60000)) {
        while (result < 0 && process.canReadLine()) {
            const QByteArray line = process.readLine().trimmed();
            if (line.startsWith("first-frame ")) {
                result = static_cast<double>(line.mid(12).toLongLong() - start) / 1000.0;
            }
        }
    }
    process.kill();
    process.waitForFinished();
    return result;
}
