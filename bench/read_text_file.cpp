// Reads the text file named on the command line the way the keyword import
// does and prints how many lines it holds.

#include "core/AppError.h"
#include "keywords/TextFileReader.h"

#include <QString>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    try {
        tidewick::TextFileReader reader;
        const QStringList lines = reader.ReadTextFileToArray(QString::fromLocal8Bit(argv[1]));
        std::printf("%lld\n", static_cast<long long>(lines.size()));
    } catch (const tidewick::AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.description()));
        return 1;
    }
    return 0;
}
