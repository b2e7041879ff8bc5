// Writes the window's icon as PNG files in an icon theme's layout:
//   export_icon OUTDIR NAME SIZE...  ->  OUTDIR/<SIZE>x<SIZE>/apps/NAME.png
// The desktop icons are drawn by the same code as the window icon, so the
// two cannot drift apart.
#include "app_icon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() < 4) {
        err << "usage: export_icon OUTDIR NAME SIZE...\n";
        return 2;
    }
    const QString& outDir = args[1];
    const QString& name = args[2];
    for (const QString& sizeText : args.mid(3)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size < 1) {
            err << "not a size: " << sizeText << '\n';
            return 2;
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(dir, name);
        if (!QDir().mkpath(dir) || !sbc::AppIconImage(size).save(file, "PNG")) {
            err << "cannot write " << file << '\n';
            return 1;
        }
    }
    return 0;
}
