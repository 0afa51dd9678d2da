#include "cli_runner.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvex-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = korvex::cli::runCli(QCoreApplication::arguments(), out, err);
    out.flush();
    err.flush();
    return code;
}
