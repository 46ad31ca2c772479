#include "platform/ProfileFile.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

using namespace zel;
using namespace Qt::StringLiterals;

namespace {
QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray utf16(const char* text, QStringConverter::Encoding encoding = QStringConverter::Utf16LE)
{
    QStringEncoder encode(encoding, QStringEncoder::Flag::WriteBom);
    return encode(QString::fromUtf8(text));
}

#ifdef Q_OS_LINUX
// While it lives, this thread meets file permissions as a standard user does: root (as in CI)
// would otherwise write every file and folder whatever their permissions say.
class PermissionsObeyed
{
public:
    PermissionsObeyed()
    {
        syscall(SYS_capget, &m_header, m_caps);
        m_saved = m_caps[0].effective;
        m_caps[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &m_header, m_caps);
    }
    ~PermissionsObeyed()
    {
        m_caps[0].effective = m_saved;
        syscall(SYS_capset, &m_header, m_caps);
    }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_caps[2]{};
    __u32 m_saved = 0;
};
#else
struct PermissionsObeyed
{
    PermissionsObeyed() {}
};
#endif

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}
} // namespace

class ProfileFileTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString pathOf(const QString& name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void readsLikeTheWindowsProfileFunctions()
    {
        const QString path = pathOf(QStringLiteral("read.ini"));
        writeFile(path, "; comment\r\n"
                        "[Zel Server]\r\n"
                        "IP_address = 127.0.0.1 \r\n"
                        "Port_num=5001x\r\n"
                        "[zel client]\r\n"
                        "Mailbox=\"305\"\r\n"
                        "Local_Port=-7\r\n"
                        "Big=99999999999\r\n"
                        "Text=abc\r\n"
                        "Spaced=\xC2\xA0"
                        "5\r\n");
        const ProfileFile profile(path);
        QCOMPARE(profile.readString(QStringLiteral("zel server"), QStringLiteral("ip_ADDRESS")),
                 QStringLiteral("127.0.0.1"));
        QCOMPARE(profile.readString(QStringLiteral("Zel Client"), QStringLiteral("Mailbox")),
                 QStringLiteral("305"));
        QCOMPARE(profile.readString(QStringLiteral("Zel Client"), QStringLiteral("Port_num"),
                                    QStringLiteral("none")),
                 QStringLiteral("none"));
        QCOMPARE(profile.readInt(QStringLiteral("Zel Server"), QStringLiteral("Port_num"), 5000),
                 5001);
        QCOMPARE(profile.readInt(QStringLiteral("Zel Client"), QStringLiteral("Local_Port"), 5000),
                 -7);
        QCOMPARE(profile.readInt(QStringLiteral("Zel Client"), QStringLiteral("Big"), 0),
                 std::numeric_limits<int>::max());
        QCOMPARE(profile.readInt(QStringLiteral("Zel Client"), QStringLiteral("Text"), 5000), 0);
        // Only the line's own blanks are trimmed; a no-break space ends the number.
        QCOMPARE(profile.readInt(QStringLiteral("Zel Client"), QStringLiteral("Spaced"), 5000), 0);
        QCOMPARE(profile.readInt(QStringLiteral("Zel Client"), QStringLiteral("Absent"), 5000),
                 5000);
        QCOMPARE(ProfileFile(pathOf(QStringLiteral("missing.ini")))
                     .readInt(QStringLiteral("Zel Server"), QStringLiteral("Port_num"), 5000),
                 5000);
    }

    void writingKeepsEveryOtherLine()
    {
        const QString path = pathOf(QStringLiteral("write.ini"));
        const QByteArray before = "; keep me\r\n"
                                  "[Other]\r\n"
                                  "Mailbox=1\r\n"
                                  "\r\n"
                                  "[ZEL CLIENT]\r\n"
                                  "mailbox = 12\r\n"
                                  "Unknown=x ; y\r\n"
                                  "MAILBOX=99\r\n" // read and written at its first place only
                                  "\r\n"
                                  "[Last]\r\n"
                                  "k=v";
        writeFile(path, before);
        ProfileFile profile(path);
        QCOMPARE(profile.readString(QStringLiteral("Zel Client"), QStringLiteral("Mailbox")),
                 QStringLiteral("12"));
        QVERIFY(profile.writeString(QStringLiteral("Zel Client"), QStringLiteral("Mailbox"),
                                    QStringLiteral("305")));
        QVERIFY(profile.writeInt(QStringLiteral("Zel Client"), QStringLiteral("Local_Port"), 5002));
        QVERIFY(profile.writeString(QStringLiteral("Zel Server"), QStringLiteral("IP_address"),
                                    QStringLiteral("10.0.0.2")));
        QCOMPARE(contentOf(path), QByteArray("; keep me\r\n"
                                             "[Other]\r\n"
                                             "Mailbox=1\r\n"
                                             "\r\n"
                                             "[ZEL CLIENT]\r\n"
                                             "mailbox=305\r\n"
                                             "Unknown=x ; y\r\n"
                                             "MAILBOX=99\r\n"
                                             "Local_Port=5002\r\n"
                                             "\r\n"
                                             "[Last]\r\n"
                                             "k=v\r\n"
                                             "[Zel Server]\r\n"
                                             "IP_address=10.0.0.2\r\n"));
        QCOMPARE(profile.readInt(QStringLiteral("zel client"), QStringLiteral("local_port"), 0),
                 5002);
        QCOMPARE(
            QDir(m_dir.path()).entryList({QStringLiteral("write*")}, QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("write.ini")});
    }

    void byteOrderMarkIsKept_data()
    {
        QTest::addColumn<QByteArray>("ending");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR LF") << QByteArray("\r\n");
    }

    void byteOrderMarkIsKept()
    {
        QFETCH(QByteArray, ending);
        const QString path = pathOf(QStringLiteral("marked.ini"));
        writeFile(path, "\xEF\xBB\xBF[Zel Server]" + ending + "IP_address=10.0.0.2" + ending);
        ProfileFile profile(path);
        QCOMPARE(profile.readString(QStringLiteral("Zel Server"), QStringLiteral("IP_address")),
                 QStringLiteral("10.0.0.2"));
        QVERIFY(profile.writeInt(QStringLiteral("Zel Server"), QStringLiteral("Port_num"), 5000));
        QCOMPARE(contentOf(path), "\xEF\xBB\xBF[Zel Server]" + ending + "IP_address=10.0.0.2" +
                                      ending + "Port_num=5000" + ending);
    }

    void writingCreatesTheFileAndItsFolder()
    {
        const QString path = pathOf(QStringLiteral("config/Zel1.ini"));
        ProfileFile profile(path);
        QVERIFY(profile.writeString(QStringLiteral("Zel Server"), QStringLiteral("Port_num"),
                                    QStringLiteral("5000")));
        // A new file ends its lines as text files do on the platform.
#ifdef Q_OS_WIN
        QCOMPARE(contentOf(path), QByteArray("[Zel Server]\r\nPort_num=5000\r\n"));
#else
        QCOMPARE(contentOf(path), QByteArray("[Zel Server]\nPort_num=5000\n"));
#endif
        QCOMPARE(profile.readString(QStringLiteral("Zel Server"), QStringLiteral("Port_num")),
                 QStringLiteral("5000"));
    }

    // The machine-wide file (an administrator's), the copy Windows kept for the design
    // (VirtualStore) and the user's own: one write, then the administrator moves the device, and
    // what each layer holds and what is read. "Zel Client" is the user's own section.
    void layersReadAndWrite_data()
    {
        QTest::addColumn<QByteArray>("machine");
        QTest::addColumn<QByteArray>("virtualStore");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QString>("refused");     // "folder" (new files), "folder and file" or none
        QTest::addColumn<QStringList>("written"); // section, key, value
        QTest::addColumn<QByteArray>("machineAfter");
        QTest::addColumn<QByteArray>("userAfter");
        QTest::addColumn<QString>("addressRead");
        const QByteArray server = "[Zel Server]\nIP_address=10.0.0.1\n";
        const QStringList mailbox{u"Zel Client"_s, u"Mailbox"_s, u"42"_s};
        const QByteArray mailbox42 = "[Zel Client]\nMailbox=42\n";
        const QStringList port{u"Zel Server"_s, u"Port_num"_s, u"42"_s};
        const QByteArray port42 = "[Zel Server]\nPort_num=42\n";
        QTest::newRow("machine-wide file written in place")
            << server << QByteArray() << QByteArray() << "" << port << server + "Port_num=42\n"
            << QByteArray() << "10.0.0.9";
        QTest::newRow("the user's own key goes to the user's file, though the machine's takes it")
            << server << QByteArray() << QByteArray() << "" << mailbox << server << mailbox42
            << "10.0.0.9";
        QTest::newRow("refused write: the user's file holds that key alone")
            << server << QByteArray() << QByteArray() << "folder and file" << port << server
            << port42 << "10.0.0.9";
        QTest::newRow("a folder that refuses new files: the file is written in place")
            << server << QByteArray() << QByteArray() << "folder" << port
            << server + "Port_num=42\n"
            << QByteArray() << "10.0.0.9";
        QTest::newRow("a value confirmed as it reads is not copied")
            << server << QByteArray() << QByteArray() << ""
            << QStringList{u"Zel Server"_s, u"IP_address"_s, u"10.0.0.1"_s} << server
            << QByteArray() << "10.0.0.9";
        QTest::newRow("a key the user set stays the user's")
            << server + "Port_num=1\n"
            << QByteArray() << QByteArray("[Zel Server]\nPort_num=7\n") << "" << port
            << server + "Port_num=1\n"
            << port42 << "10.0.0.9";
        QTest::newRow("the design's VirtualStore copy is read, never written")
            << server
            << QByteArray("[Zel Server]\r\nIP_address=10.0.0.5\r\n[Zel Client]\r\n"
                          "Mailbox=9\r\n")
            << QByteArray() << "" << mailbox << server << mailbox42 << "10.0.0.5";
        QTest::newRow("no machine-wide file: the user's is the profile")
            << QByteArray() << QByteArray() << QByteArray() << "" << port << QByteArray() << port42
            << "";
        for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE})
            QTest::addRow("UTF-16 %s stays so", encoding == QStringConverter::Utf16LE ? "LE" : "BE")
                << utf16("[Zel Server]\r\nIP_address=10.0.0.1\r\n", encoding) << QByteArray()
                << QByteArray() << "" << port
                << utf16("[Zel Server]\r\nIP_address=10.0.0.1\r\nPort_num=42\r\n", encoding)
                << QByteArray() << "10.0.0.9";
    }

    void layersReadAndWrite()
    {
        QFETCH(QByteArray, machine);
        QFETCH(QByteArray, virtualStore);
        QFETCH(QByteArray, user);
        QFETCH(QString, refused);
        QFETCH(QStringList, written);
        const QTemporaryDir root;
        const QString machinePath = root.filePath(QStringLiteral("windows/Zel1.ini"));
        const QString virtualStorePath = root.filePath(QStringLiteral("VirtualStore/Zel1.ini"));
        const QString userPath = root.filePath(QStringLiteral("user/Zel1.ini"));
        for (const QString& folder :
             {QStringLiteral("windows"), QStringLiteral("VirtualStore"), QStringLiteral("user")})
            QVERIFY(QDir(root.path()).mkpath(folder));
        for (const auto& [path, content] :
             {std::pair{machinePath, machine}, {virtualStorePath, virtualStore}, {userPath, user}})
            if (!content.isEmpty())
                writeFile(path, content);
        const QString folder = QFileInfo(machinePath).path();
        const auto folderPermissions = QFile::permissions(folder);
        const auto filePermissions = QFile::permissions(machinePath);
        if (refused.contains(u"folder"))
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        if (refused.contains(u"file"))
            QFile::setPermissions(machinePath, QFile::ReadOwner);

        ProfileFile profile(machinePath, userPath, virtualStorePath,
                            {QStringLiteral("Zel Client")});
        bool takesNewFiles = false;
        {
            const PermissionsObeyed asAStandardUser;
            takesNewFiles = refused == u"folder" &&
                            QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly);
            QVERIFY(profile.writeString(written[0], written[1], written[2]));
        }
        QFile::setPermissions(folder, folderPermissions);
        QFile::setPermissions(machinePath, filePermissions);
        if (takesNewFiles)
            QSKIP("a read-only folder here takes new files (Windows)");
        QTEST(contentOf(machinePath), "machineAfter");
        // A file the user's write makes ends its lines as the platform's text files do.
        QTEST(contentOf(userPath).replace("\r\n", "\n"), "userAfter");
        QCOMPARE(contentOf(virtualStorePath), virtualStore);
        QCOMPARE(profile.readString(written[0], written[1]), written[2]);

        QByteArray moved = contentOf(machinePath);
        for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE})
            moved.replace(utf16("10.0.0.1", encoding).mid(2), utf16("10.0.0.9", encoding).mid(2));
        moved.replace("10.0.0.1", "10.0.0.9");
        if (!moved.isEmpty())
            writeFile(machinePath, moved);
        QTEST(profile.readString(QStringLiteral("Zel Server"), QStringLiteral("IP_address")),
              "addressRead");
    }

    // The box after a refused write names the file that refused it: here the user's, under
    // a file where no folder can be made.
    void refusedWriteNamesTheFile()
    {
        writeFile(pathOf(u"user"_s), "");
        ProfileFile profile(pathOf(u"Zel1.ini"_s), pathOf(u"user/Zel1.ini"_s));
        QVERIFY(!profile.writeString(u"Zel Server"_s, u"Port_num"_s, u"42"_s));
        QCOMPARE(profile.refusedPath(), pathOf(u"user/Zel1.ini"_s));
    }

    void profileInPicksTheFile_data()
    {
        QTest::addColumn<bool>("inShared");
        QTest::addColumn<bool>("inUser");
        QTest::addColumn<bool>("hasUserFolder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("left by an earlier program") << true << false << true << "shared";
        QTest::newRow("the user's own keys beside it") << true << true << true << "shared";
        QTest::newRow("none yet") << false << false << true << "user";
        QTest::newRow("no user folder") << false << false << false << "shared";
    }

    void profileInPicksTheFile()
    {
        QFETCH(bool, inShared);
        QFETCH(bool, inUser);
        QFETCH(bool, hasUserFolder);
        QFETCH(QString, expected);
        const QTemporaryDir root;
        for (const QString& folder : {QStringLiteral("shared"), QStringLiteral("user")})
            QVERIFY(QDir(root.path()).mkpath(folder));
        if (inShared)
            writeFile(root.filePath(QStringLiteral("shared/Zel1.ini")), "[Zel Client]\n");
        if (inUser)
            writeFile(root.filePath(QStringLiteral("user/Zel1.ini")), "[Zel Client]\n");
        const ProfileFile profile =
            profileIn(root.filePath(QStringLiteral("shared")),
                      hasUserFolder ? root.filePath(QStringLiteral("user")) : QString(),
                      QStringLiteral("Zel1.ini"));
        QCOMPARE(profile.path(), root.filePath(expected + QStringLiteral("/Zel1.ini")));
    }

    void windowsDirectoryIsTheSystemsOrTheConfigFolder()
    {
#ifdef Q_OS_WIN
        QCOMPARE(windowsDirectory(), QDir::fromNativeSeparators(qEnvironmentVariable("windir")));
#else
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
        const QString folder = windowsDirectory();
        qputenv("XDG_CONFIG_HOME", saved);
        QCOMPARE(folder, m_dir.path());
#endif
    }
};

int runProfileFileTests(int argc, char** argv)
{
    ProfileFileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_profile_file.moc"
