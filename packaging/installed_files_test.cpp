// The installed tree as a desktop sees it: a menu entry that validates and
// starts the installed program, theme icons that are the window icon, and
// AppStream metainfo for software centres about the same program.
#include "app_icon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>
#include <QXmlStreamReader>

namespace {

const QString kBinDir = QStringLiteral(SBC_STAGE_BINDIR);
const QString kApplicationsDir = QStringLiteral(SBC_STAGE_DATADIR "/applications");
const QString kHicolorDir = QStringLiteral(SBC_STAGE_DATADIR "/icons/hicolor");
const QString kMetainfoDir = QStringLiteral(SBC_STAGE_DATADIR "/metainfo");

// The keys of a .desktop file's [Desktop Entry] group.
QMap<QString, QString> ReadDesktopEntry(const QString& path)
{
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    QTextStream in(&file);
    QString group;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith('['))
            group = line;
        else if (group == "[Desktop Entry]" && line.contains('='))
            keys.insert(line.section('=', 0, 0).trimmed(), line.section('=', 1).trimmed());
    }
    return keys;
}

int OpaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) == 255;
    return count;
}

// What a validating tool said of a file; ran is false when the tool is
// not installed.
struct Validation {
    bool ran = false;
    int exitCode = -1;
    QString output;
};

Validation Validate(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return {};
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(program, arguments);
    const bool finished = run.waitForFinished(30000);
    return {true, finished ? run.exitCode() : -1, QString::fromLocal8Bit(run.readAll())};
}

} // namespace

class InstalledFilesTest : public QObject {
    Q_OBJECT

    QString desktopFile_;
    QMap<QString, QString> entry_;

    QString MetainfoFile() const
    {
        return kMetainfoDir + '/' + QFileInfo(desktopFile_).completeBaseName() + ".metainfo.xml";
    }

private slots:
    void initTestCase()
    {
        const QStringList entries = QDir(kApplicationsDir).entryList({"*.desktop"}, QDir::Files);
        QCOMPARE(entries.size(), 1);
        desktopFile_ = kApplicationsDir + '/' + entries.first();
        entry_ = ReadDesktopEntry(desktopFile_);
        QVERIFY2(!entry_.isEmpty(), qPrintable(desktopFile_ + " has no [Desktop Entry] group"));
    }

    void desktopEntryValidates()
    {
        const Validation run = Validate("desktop-file-validate", {desktopFile_});
        if (!run.ran)
            QSKIP("desktop-file-validate is not installed (Debian: desktop-file-utils)");
        // Hints count too: one tells of a menu section the entry would be missing from.
        QVERIFY2(run.exitCode == 0 && run.output.trimmed().isEmpty(), qPrintable(run.output));
    }

    void desktopEntryStartsTheInstalledProgram()
    {
        QCOMPARE(entry_.value("Type"), QString("Application"));
        QCOMPARE(entry_.value("Terminal"), QString("false"));
        const QStringList exec = QProcess::splitCommand(entry_.value("Exec"));
        QVERIFY(!exec.isEmpty());
        // A bare name, found on PATH: the package may install under any prefix.
        QVERIFY2(!exec.first().contains('/'), qPrintable(exec.first()));
        const QFileInfo program(kBinDir + '/' + exec.first());
        QVERIFY2(program.isFile() && program.isExecutable(), qPrintable(program.filePath()));
    }

    void metainfoValidates()
    {
        // --no-net: the screenshot's web address is not fetched.
        const Validation run = Validate("appstreamcli", {"validate", "--no-net", MetainfoFile()});
        if (!run.ran)
            QSKIP("appstreamcli is not installed (Debian: appstream)");
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    }

    // Software centres join the metainfo to the menu entry by the id.
    void metainfoNamesTheMenuEntrysProgram()
    {
        QFile file(MetainfoFile());
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName() + " is missing"));
        const QStringList wanted{"id", "name", "launchable", "binary", "image"};
        QMap<QString, QString> first;
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            const QString tag = xml.readNext() == QXmlStreamReader::StartElement ? xml.name().toString() : QString();
            if (wanted.contains(tag) && !first.contains(tag))
                first.insert(tag, xml.readElementText().trimmed());
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        const QString id = QFileInfo(desktopFile_).completeBaseName();
        QCOMPARE(first.value("id"), id);
        QCOMPARE(first.value("launchable"), id + ".desktop");
        QCOMPARE(first.value("name"), entry_.value("Name"));
        QCOMPARE(first.value("binary"), QProcess::splitCommand(entry_.value("Exec")).value(0));
        QVERIFY2(first.value("image").startsWith("https://"), qPrintable(first.value("image")));
    }

    void iconsAreTheWindowIcon_data()
    {
        QTest::addColumn<int>("size");
        // Menus and panels ask for the small sizes, launchers and stores for the large.
        for (int size : {16, 32, 48, 64, 128, 256})
            QTest::addRow("%dx%d", size, size) << size;
    }

    void iconsAreTheWindowIcon()
    {
        QFETCH(int, size);
        const QString icon = entry_.value("Icon");
        QVERIFY2(!icon.isEmpty() && !icon.contains('/'), qPrintable(icon));
        const QString file = QStringLiteral("%1/%2x%2/apps/%3.png").arg(kHicolorDir).arg(size).arg(icon);
        const QImage installed = QImage(file).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!installed.isNull(), qPrintable(file + " is missing or not a PNG"));
        QCOMPARE(installed.size(), QSize(size, size));

        // Drawn on a see-through ground, not a blank or a filled square.
        QCOMPARE(qAlpha(installed.pixel(0, 0)), 0);
        QVERIFY2(OpaquePixels(installed) >= size * size / 4, "too little of the icon is drawn");
        QCOMPARE(installed, sbc::AppIconImage(size).convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(InstalledFilesTest)
#include "installed_files_test.moc"
