// dj7351-mkdb FOLDER [--sample]: makes a new, empty dj7351.mdb in FOLDER.
#include "core/schema/Database.h"
#include "platform/errors/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool sample = args.removeAll(QStringLiteral("--sample")) > 0;
    if (args.size() != 1 || args[0].startsWith(u'-')) {
        std::fprintf(stderr, "uso: dj7351-mkdb CARPETA [--sample]\n");
        return 2;
    }
    if (!QDir(args[0]).exists()) {
        std::fprintf(stderr, "dj7351-mkdb: no existe la carpeta %s\n", qPrintable(args[0]));
        return 1;
    }
    try {
        schema::CreateDatabase(args[0], sample);
    } catch (const platform::Error& e) {
        std::fprintf(stderr, "dj7351-mkdb: %s\n", qPrintable(e.Description));
        return 1;
    }
    return 0;
}
