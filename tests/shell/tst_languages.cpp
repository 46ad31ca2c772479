#include "LanguageChecks.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

class TestLanguages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void translationIsComplete_data();
    void translationIsComplete();
    void userLanguagesChooseTheTranslation_data();
    void userLanguagesChooseTheTranslation();
};

namespace {

// A text's placeholders, line breaks and accelerator, in order of kind.
QStringList marksOf(const QString& text)
{
    static const QRegularExpression mark(QStringLiteral("%[1-9s]|\n|&(?!&)"));
    QStringList marks;
    for (const auto& match : mark.globalMatch(text))
        marks << match.captured();
    marks.sort();
    return marks;
}

} // namespace

void TestLanguages::translationIsComplete_data()
{
    QTest::addColumn<QString>("path");
    for (const QString& path : translationFiles())
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

// Every message of the sources is translated, keeping its placeholders, line breaks and
// accelerator, and no two texts of one window share an accelerator.
void TestLanguages::translationIsComplete()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader ts(&file);
    QString context;
    QString source;
    QStringList problems;
    QStringList accelerators;
    int translated = 0;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (ts.name() == u"name") {
            context = ts.readElementText();
        } else if (ts.name() == u"source") {
            source = ts.readElementText();
        } else if (ts.name() == u"translation") {
            const bool finished = ts.attributes().value(QStringLiteral("type")).isEmpty();
            const QString translation = ts.readElementText();
            translated += finished && !translation.isEmpty();
            if (!finished || context.isEmpty() || marksOf(translation) != marksOf(source))
                problems << context + QStringLiteral(": ") + source;
            const qsizetype mark = translation.indexOf(QRegularExpression(QStringLiteral("&\\w")));
            if (mark >= 0)
                accelerators << context + QStringLiteral(": ") + translation[mark + 1].toLower();
        }
    }
    QCOMPARE(problems, QStringList{});
    QCOMPARE(translated, PseudoTranslator().size());
    const qsizetype count = accelerators.size();
    accelerators.removeDuplicates();
    QCOMPARE(accelerators.size(), count);
}

void TestLanguages::userLanguagesChooseTheTranslation_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("language");
    QTest::newRow("LANGUAGE") << QStringList{QStringLiteral("LANGUAGE=de")} << "de";
    QTest::newRow("LANG") << QStringList{QStringLiteral("LANG=fr_FR.UTF-8")} << "fr";
    QTest::newRow("the first Zel speaks")
        << QStringList{QStringLiteral("LANGUAGE=sv:es"), QStringLiteral("LANG=sv_SE.UTF-8")}
        << "es";
    QTest::newRow("English before German")
        << QStringList{QStringLiteral("LANGUAGE=en:de"), QStringLiteral("LANG=de_DE.UTF-8")}
        << "en";
    QTest::newRow("C messages, whatever LANGUAGE says")
        << QStringList{QStringLiteral("LC_ALL=C"), QStringLiteral("LANGUAGE=de")} << "en";
}

// The real program in the user's environment: its help in that language, Qt's part included.
void TestLanguages::userLanguagesChooseTheTranslation()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, language);
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        variables.remove(QString::fromLatin1(name));
    for (const QString& variable : std::as_const(environment))
        variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QProcess zel;
    zel.setProcessEnvironment(variables);
    zel.start(QStringLiteral(ZEL_PATH), {QStringLiteral("--help")});
    QVERIFY(zel.waitForFinished());
    const QString help = QString::fromUtf8(zel.readAllStandardOutput());

    const LanguageUnderTest expected(language);
    QVERIFY(expected.installed());
    QVERIFY2(help.contains(QCoreApplication::translate("CommandLine", "Displays this help.")),
             qPrintable(help));
    QVERIFY2(help.contains(QCoreApplication::translate("QCommandLineParser",
                                                       "Displays version information.")),
             qPrintable(help));
}

#include "tst_languages.moc"

int runLanguagesTests(int argc, char** argv)
{
    TestLanguages test;
    return QTest::qExec(&test, argc, argv);
}
