// Start-up time: from just before the process is started to the first paint of its window, for Pelinor
// and for a bare QMainWindow started the same way, with 30 and with 1,000 word books in the folder.
// Besides the elapsed time it reports the processor time each process used until then, which another
// load on the machine disturbs much less.
// Runs under the current DISPLAY (an Xvfb server will do); every run gets a fresh process in a temporary
// home, and the first run of each program is a warm-up that is not counted. The benchmark stays connected
// to the display while it runs: an X server left without clients resets itself, and the next program to
// connect would wait for that (about 25 ms with Xvfb) instead of starting.
//
//   pelinor_startup_bench [runs [program]]
//
// runs: of each program per word book count (default 20); program: another build of Pelinor to time
// (default: the one of this build tree).

#include "core/app/folders.h"
#include "core/wordbook/wordbookfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

extern char** environ;

namespace {

constexpr int kTimeoutMs = 20000;

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct Home {
    QTemporaryDir dir;

    std::vector<std::string> environment(const QString& probe, int fd) const
    {
        const QString root = dir.path();
        const std::vector<std::pair<std::string, QString>> overrides = {
            {"HOME", root},
            {"XDG_CONFIG_HOME", root + QStringLiteral("/.config")},
            {"XDG_DATA_HOME", root + QStringLiteral("/.local/share")},
            {"XDG_CACHE_HOME", root + QStringLiteral("/.cache")},
            {"XDG_RUNTIME_DIR", root + QStringLiteral("/runtime")},
            {"LD_PRELOAD", probe},
            {"PELINOR_FIRST_PAINT_FD", QString::number(fd)},
        };
        std::vector<std::string> result;
        for (char** e = environ; *e; ++e) {
            const std::string entry(*e);
            const std::string name = entry.substr(0, entry.find('='));
            const bool replaced
                = std::any_of(overrides.begin(), overrides.end(), [&](const auto& o) { return o.first == name; });
            if (!replaced && name != "APPDATA")
                result.push_back(entry);
        }
        for (const auto& [name, value] : overrides)
            result.push_back(name + '=' + value.toStdString());
        return result;
    }
};

/// Fills the Russian word book folder with `count` books of twenty entries each.
bool fillWordBooks(const Home& home, int count)
{
    const QString root = home.dir.path();
    QDir().mkpath(root + QStringLiteral("/runtime"));
    QFile::setPermissions(
        root + QStringLiteral("/runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    pelinor::core::FolderRoots roots;
    roots.appData = root + QStringLiteral("/.local/share");
    roots.documents = root + QStringLiteral("/Documents");
    roots.programFiles = root;
    const pelinor::core::Folders folders(roots);
    const QString bookFolder = folders.wordBookFolder(pelinor::core::ScriptFolder::Russian);
    if (!QDir().mkpath(bookFolder))
        return false;
    QList<pelinor::core::WordEntry> entries;
    for (int i = 0; i < 20; ++i) {
        pelinor::core::WordEntry e;
        e.foreignWord = QStringLiteral("слово%1").arg(i);
        e.japanese = QStringLiteral("言葉%1").arg(i);
        entries.append(e);
    }
    pelinor::core::renumberEntries(entries);
    for (int b = 0; b < count; ++b) {
        const pelinor::core::WordBookHeader header{QStringLiteral("単語帳 %1").arg(b), QString(), QString()};
        if (!pelinor::core::writeWordBookFile(
                bookFolder + QStringLiteral("/book%1.utx").arg(b, 4, 10, QLatin1Char('0')), header, entries))
            return false;
    }
    return true;
}

struct Timing {
    double elapsedMs;
    double processorMs;
};

/// Starts `program` and returns the time until its first paint, or nothing on failure.
std::optional<Timing> timeFirstPaint(
    const QString& program, const QStringList& arguments, const Home& home, const QString& probe)
{
    int fds[2];
    if (pipe(fds) != 0)
        return std::nullopt;
    const std::vector<std::string> env = home.environment(probe, fds[1]);
    std::vector<char*> envp;
    for (const std::string& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    const std::string path = program.toStdString();
    std::vector<std::string> args{path};
    for (const QString& a : arguments)
        args.push_back(a.toStdString());
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    const long long start = monotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        execve(path.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        return std::nullopt;
    }
    std::string text;
    pollfd p{fds[0], POLLIN, 0};
    while (text.find('\n') == std::string::npos && poll(&p, 1, kTimeoutMs) > 0) {
        char buffer[128];
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        text.append(buffer, static_cast<size_t>(n));
    }
    close(fds[0]);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    long long painted = 0;
    long long used = 0;
    if (std::sscanf(text.c_str(), "first-paint %lld %lld", &painted, &used) != 2)
        return std::nullopt;
    return Timing{static_cast<double>(painted - start) / 1e6, static_cast<double>(used) / 1e6};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Summary {
    double elapsed;
    double fastestElapsed;
    double processor;
    double fastestProcessor;
};

Summary summarise(const std::vector<Timing>& timings)
{
    std::vector<double> elapsed;
    std::vector<double> processor;
    for (const Timing& t : timings) {
        elapsed.push_back(t.elapsedMs);
        processor.push_back(t.processorMs);
    }
    return {median(elapsed), *std::min_element(elapsed.begin(), elapsed.end()), median(processor),
        *std::min_element(processor.begin(), processor.end())};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "The start-up benchmark needs an X display (for example Xvfb): DISPLAY is not set.\n");
        return 2;
    }
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> display(
        xcb_connect(nullptr, nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(display.get())) {
        std::fprintf(stderr, "cannot connect to the X display %s\n", qgetenv("DISPLAY").constData());
        return 2;
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const QString benchDir = QCoreApplication::applicationDirPath();
    const QString probe = benchDir + QStringLiteral("/libpelinor_first_paint_probe.so");
    const QString bare = benchDir + QStringLiteral("/pelinor_bare_window");
    const QString pelinor = argc > 2 ? QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath()
                                     : QDir::cleanPath(benchDir + QStringLiteral("/../bin/pelinor"));
    for (const QString& file : {probe, bare, pelinor}) {
        if (!QFileInfo(file).isFile()) {
            std::fprintf(stderr, "missing: %s\n", qPrintable(file));
            return 2;
        }
    }
    // The bare window takes the main window's size, so that both paint the same area.
    const QStringList bareSize{QStringLiteral("840"), QStringLiteral("710")};

    std::printf("%d runs each; medians (and fastest) from process start to first paint\n", runs);
    std::printf(
        "%-10s %-8s %18s %9s %18s %9s\n", "word books", "program", "elapsed ms", "ratio", "processor ms", "ratio");
    int status = 0;
    for (const int books : {30, 1000}) {
        Home home;
        if (!home.dir.isValid() || !fillWordBooks(home, books)) {
            std::fprintf(stderr, "cannot prepare a home with %d word books\n", books);
            return 1;
        }
        // The first run of each sets up the program's folders and fills the file cache.
        timeFirstPaint(pelinor, {}, home, probe);
        timeFirstPaint(bare, bareSize, home, probe);
        std::vector<Timing> bareTimes;
        std::vector<Timing> pelinorTimes;
        for (int i = 0; i < runs; ++i) {
            const std::optional<Timing> b = timeFirstPaint(bare, bareSize, home, probe);
            const std::optional<Timing> p = timeFirstPaint(pelinor, {}, home, probe);
            if (!b || !p) {
                std::fprintf(stderr, "a run did not reach its first paint within %d ms\n", kTimeoutMs);
                status = 1;
                continue;
            }
            bareTimes.push_back(*b);
            pelinorTimes.push_back(*p);
        }
        if (bareTimes.empty())
            continue;
        const Summary bareSummary = summarise(bareTimes);
        const Summary pelinorSummary = summarise(pelinorTimes);
        std::printf("%-10d %-8s %8.1f (%6.1f) %9s %8.1f (%6.1f)\n", books, "bare", bareSummary.elapsed,
            bareSummary.fastestElapsed, "", bareSummary.processor, bareSummary.fastestProcessor);
        std::printf("%-10d %-8s %8.1f (%6.1f) %8.2fx %8.1f (%6.1f) %8.2fx\n", books, "pelinor", pelinorSummary.elapsed,
            pelinorSummary.fastestElapsed, pelinorSummary.elapsed / bareSummary.elapsed, pelinorSummary.processor,
            pelinorSummary.fastestProcessor, pelinorSummary.processor / bareSummary.processor);
    }
    return status;
}
