// Start-up benchmark: time from process start to the main window shown, and peak memory,
// for Zel's main window and for a bare Qt dialog holding the same number and kinds of widgets.
// Each measurement is a fresh child process of this program; runs alternate between the two.
//
//   bench_startup [runs]        (default 15; QT_QPA_PLATFORM picks offscreen or xcb)

#include "platform/PrivateMessage.h"
#include "platform/ProfileFile.h"
#include "shell/CZelMainDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QUdpSocket>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Widget kinds counted in Zel's window and rebuilt in the bare dialog.
const char* const kKinds[] = {"QTabWidget", "QGroupBox", "QCheckBox", "QPushButton",
                              "QComboBox",  "QTreeView", "QLineEdit", "QLabel"};

std::string kindOf(const QWidget* widget)
{
    for (const char* kind : kKinds) {
        if (widget->inherits(kind))
            return kind;
    }
    return "QWidget";
}

// Tells the parent, through `fd`, once `window` has been painted; then the child ends at
// once, without running the rest of the program. Children are painted in the order they were
// made, so the paint of the window's last child ends the window's first complete paint.
class ShownReporter : public QObject
{
public:
    ShownReporter(QWidget* window, int fd, bool census)
        : m_window(window), m_fd(fd), m_census(census)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Show && !m_lastChild) {
            const QList<QWidget*> children =
                m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            m_lastChild = children.constLast();
            m_lastChild->installEventFilter(this);
        } else if (watched == m_lastChild && event->type() == QEvent::Paint) {
            report();
        }
        return false;
    }

private:
    void report()
    {
        std::string message = "shown";
        if (m_census) {
            std::map<std::string, int> census;
            // Plain widgets are the inner parts of composite ones (tab bars, viewports, ...),
            // which the bare dialog's widgets bring along by themselves.
            for (const QWidget* widget : m_window->findChildren<QWidget*>()) {
                const std::string kind = kindOf(widget);
                if (kind != "QWidget")
                    ++census[kind];
            }
            for (const auto& [kind, count] : census)
                message += " " + kind + "=" + std::to_string(count);
        }
        message += "\n";
        [[maybe_unused]] const auto written = ::write(m_fd, message.data(), message.size());
        ::_exit(0);
    }

    QWidget* m_window;
    int m_fd;
    bool m_census;
    QWidget* m_lastChild = nullptr;
};

int runZel(int fd, bool census, const char* profilePath)
{
    CZelMainDlg dlg{zel::ProfileFile(QString::fromLocal8Bit(profilePath))};
    zel::setMainWindow(&dlg);
    ShownReporter reporter(&dlg, fd, census);
    dlg.DoModal();
    return 1; // not reached: the reporter ends the process
}

// A complete profile, so that Zel asks nothing at start; its endpoint binds a free port and
// its device port is one nobody answers on.
void writeProfile(const QString& path)
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    zel::ProfileFile profile(path);
    profile.writeString(QStringLiteral("Zel Server"), QStringLiteral("IP_address"),
                        QStringLiteral("127.0.0.1"));
    profile.writeInt(QStringLiteral("Zel Server"), QStringLiteral("Port_num"), probe.localPort());
    profile.writeString(QStringLiteral("Zel Client"), QStringLiteral("Mailbox"),
                        QStringLiteral("305"));
    profile.writeInt(QStringLiteral("Zel Client"), QStringLiteral("Local_Port"), 0);
}

int runBare(int fd, const std::map<std::string, int>& census)
{
    QDialog dlg;
    dlg.setWindowTitle(QStringLiteral("Bare"));
    dlg.resize(620, 560);
    auto* tabs = new QTabWidget(&dlg);
    tabs->setGeometry(10, 130, 600, 380);
    QWidget* pages[3];
    for (int i = 0; i < 3; ++i) {
        pages[i] = new QWidget;
        tabs->addTab(pages[i], QStringLiteral("Page %1").arg(i + 1));
    }
    int made = 0;
    auto place = [&](QWidget* widget) {
        widget->move(10 + (made % 6) * 95, 10 + (made / 18) * 22 + (made % 3) * 7);
        ++made;
    };
    for (const auto& [kind, count] : census) {
        for (int n = 0; n < count; ++n) {
            QWidget* parent = pages[made % 3];
            if (kind == "QTabWidget") {
                if (n > 0)
                    place(new QTabWidget(parent));
            } else if (kind == "QGroupBox") {
                place(new QGroupBox(QStringLiteral("Group"), parent));
            } else if (kind == "QCheckBox") {
                place(new QCheckBox(QStringLiteral("Check"), parent));
            } else if (kind == "QPushButton") {
                place(new QPushButton(QStringLiteral("Button"), parent));
            } else if (kind == "QComboBox") {
                auto* combo = new QComboBox(parent);
                combo->addItems({QStringLiteral("One"), QStringLiteral("Two")});
                place(combo);
            } else if (kind == "QTreeView") {
                place(new QTreeWidget(parent));
            } else if (kind == "QLineEdit") {
                place(new QLineEdit(QStringLiteral("text"), parent));
            } else if (kind == "QLabel") {
                place(new QLabel(QStringLiteral("Label"), parent));
            }
        }
    }
    // As in Zel's window, a button row below the tabs is the window's last child.
    if (const auto buttons = tabs->findChildren<QPushButton*>(); !buttons.isEmpty()) {
        buttons.constLast()->setParent(&dlg);
        buttons.constLast()->move(500, 520);
    }
    ShownReporter reporter(&dlg, fd, false);
    return dlg.exec();
}

struct Sample
{
    double ms;
    double cpuMs;
    long maxRssKb;
    std::string line;
};

Sample runChild(const char* self, const std::vector<std::string>& arguments)
{
    int fds[2];
    if (::pipe(fds) != 0)
        std::exit(2);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::vector<std::string> args{self, "--child", std::to_string(fds[1])};
        args.insert(args.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        ::execv(self, argv.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string line;
    char buffer[512];
    ssize_t got;
    while ((got = ::read(fds[0], buffer, sizeof buffer)) > 0)
        line.append(buffer, size_t(got));
    const auto shown = std::chrono::steady_clock::now();
    ::close(fds[0]);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    if (line.rfind("shown", 0) != 0) {
        std::fprintf(stderr, "child %s did not show its window\n", arguments[0].c_str());
        std::exit(1);
    }
    const auto millis = [](const timeval& t) { return double(t.tv_sec) * 1e3 + t.tv_usec / 1e3; };
    return {std::chrono::duration<double, std::milli>(shown - start).count(),
            millis(usage.ru_utime) + millis(usage.ru_stime), usage.ru_maxrss, line};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc >= 4 && std::string(argv[1]) == "--child") {
        const int fd = std::atoi(argv[2]);
        const std::string mode = argv[3];
        int qtArgc = 1;
        QApplication app(qtArgc, argv);
        if (mode == "zel" || mode == "census")
            return runZel(fd, mode == "census", argv[4]);
        std::map<std::string, int> census;
        for (int i = 4; i < argc; ++i) {
            const std::string entry = argv[i];
            const auto eq = entry.find('=');
            census[entry.substr(0, eq)] = std::atoi(entry.c_str() + eq + 1);
        }
        return runBare(fd, census);
    }

    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    const char* self = "/proc/self/exe";
    char path[4096];
    const ssize_t length = ::readlink(self, path, sizeof path - 1);
    if (length <= 0)
        return 2;
    path[length] = '\0';

    QTemporaryDir folder;
    const QString profilePath = folder.filePath(QStringLiteral("Zel1.ini"));
    {
        int qtArgc = 1;
        QCoreApplication app(qtArgc, argv);
        writeProfile(profilePath);
    }
    const std::string profile = profilePath.toStdString();

    // The census: how many widgets of each kind Zel's window holds.
    const Sample census = runChild(path, {"census", profile});
    std::vector<std::string> bareArguments{"bare"};
    int total = 0;
    {
        std::string entries = census.line.substr(6);
        size_t pos = 0;
        while (pos < entries.size()) {
            size_t end = entries.find_first_of(" \n", pos);
            if (end == std::string::npos)
                end = entries.size();
            const std::string entry = entries.substr(pos, end - pos);
            if (!entry.empty()) {
                bareArguments.push_back(entry);
                total += std::atoi(entry.c_str() + entry.find('=') + 1);
            }
            pos = end + 1;
        }
    }

    std::vector<double> zelMs, bareMs, zelCpu, bareCpu, zelKb, bareKb;
    runChild(path, {"zel", profile}); // warm the file cache for both
    runChild(path, bareArguments);
    for (int i = 0; i < runs; ++i) {
        const Sample zel = runChild(path, {"zel", profile});
        const Sample bare = runChild(path, bareArguments);
        zelMs.push_back(zel.ms);
        zelCpu.push_back(zel.cpuMs);
        bareCpu.push_back(bare.cpuMs);
        bareMs.push_back(bare.ms);
        zelKb.push_back(double(zel.maxRssKb));
        bareKb.push_back(double(bare.maxRssKb));
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform: %s, runs: %d, widgets in the window: %d (%s)\n",
                platform ? platform : "default", runs, total,
                census.line.substr(6, census.line.size() - 7).c_str());
    std::printf("start-up to window shown, median: Zel %.1f ms, bare dialog %.1f ms, ratio %.2f "
                "(target <= 1.20)\n",
                median(zelMs), median(bareMs), median(zelMs) / median(bareMs));
    std::printf("processor time (user+system):     Zel %.1f ms, bare dialog %.1f ms, ratio %.2f\n",
                median(zelCpu), median(bareCpu), median(zelCpu) / median(bareCpu));
    std::printf("peak memory (maxrss), median:     Zel %.0f KiB, bare dialog %.0f KiB, ratio %.2f "
                "(target <= 1.10)\n",
                median(zelKb), median(bareKb), median(zelKb) / median(bareKb));
    return 0;
}
