// The real program, killed with SIGKILL at random moments: anywhere, while
// it saves, and while it writes its recovery copy. After each kill the last
// saved file must be whole, and the recovery copy, when there is one, must
// load, hold at least the edits made before the last completed recovery
// write, and be offered at the next start, which restores it as unsaved work.
//
// The program is driven over its --drive channel (see gui/drive_channel.h).
// Seeded and repeatable: TOLVANE_KILL_SEED sets the first seed and
// TOLVANE_KILL_TRIALS the number of trials.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cstdlib>
#include <optional>
#include <random>
#include <set>

#include "app/recovery_keeper.h"
#include "app/tform1.h"
#include "sheet/feeders.h"
#include "sheet/file_store.h"

using namespace tolvane;

namespace {

QString hashOf(const std::string& bytes)
{
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return QString("%1").arg(h, 16, 16, QChar('0'));
}

std::string bytesOf(const QString& path)
{
    std::string bytes;
    if (readWholeFile(path.toStdString(), bytes)) return {};
    return bytes;
}

bool loads(const QString& path)
{
    TForm1 form;
    return !form.loadSheetFile(path.toStdString());
}

// The sample building repeated to about 1,500 rows: large enough that a
// save and a recovery write take a moment to kill them in.
std::string largeBuilding()
{
    TForm1 sample;
    if (sample.loadSheetFile(std::string(TOLVANE_TEST_DATA) + "/../../examples/sample.ksk")) return {};
    const int used = sample.StringGrid1.lastUsedRow() + 2;
    TForm1 large;
    large.Edit1 = "大きな建物";
    large.StringGrid1.setRowCount(used * 80 + 20);
    for (int copy = 0; copy < 80; ++copy)
        for (int r = 0; r < used; ++r) large.StringGrid1.setRow(copy * used + r, sample.StringGrid1.row(r));
    renumberFeeders(large.StringGrid1);
    return large.sheetFileBytes(large.StringGrid1);
}

// The program on its drive channel: lines sent, every line it printed kept.
class Program {
public:
    explicit Program(const QString& dataHome)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_DATA_HOME", dataHome);
        env.insert("TOLVANE_RECOVERY_INTERVAL", "0.3");
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.setStandardErrorFile(QProcess::nullDevice());
    }
    ~Program()
    {
        if (process_.state() != QProcess::NotRunning) kill();
    }

    void start(const QStringList& args)
    {
        process_.start(TOLVANE_PROGRAM, QStringList{"--drive"} + args);
        QVERIFY(process_.waitForStarted(20000));
    }

    void send(const QString& line) { process_.write((line + "\n").toUtf8()); }

    // The next printed line that starts with `prefix`, reading on.
    std::optional<QString> until(const QString& prefix, int timeoutMs = 60000)
    {
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            while (next_ < lines.size()) {
                const QString& line = lines[next_++];
                if (line.startsWith(prefix)) return line;
            }
            if (clock.elapsed() > timeoutMs || process_.state() == QProcess::NotRunning) return std::nullopt;
            process_.waitForReadyRead(100);
            take();
        }
    }

    void kill()
    {
        process_.kill();
        process_.waitForFinished(20000);
        take();
        if (!buffer_.isEmpty()) lines << QString::fromUtf8(buffer_);  // a line cut short by the kill
        buffer_.clear();
    }

    QStringList lines;

private:
    void take()
    {
        buffer_ += process_.readAllStandardOutput();
        for (qsizetype end; (end = buffer_.indexOf('\n')) >= 0;) {
            lines << QString::fromUtf8(buffer_.left(end));
            buffer_.remove(0, end + 1);
        }
    }

    QProcess process_;
    QByteArray buffer_;
    qsizetype next_ = 0;
};

enum class Moment { Anywhere, DuringSave, DuringRecoveryWrite };

struct Verdict {
    QString failure;           // empty when every check held
    bool killedInSave = false;
    bool killedInRecoveryWrite = false;
    bool offered = false;
};

class Trial {
public:
    Trial(unsigned seed, const std::string& building) : random_(seed), moment_(Moment(seed % 3))
    {
        sheet_ = dir_.filePath("building.ksk");
        saved_ = dir_.filePath("saved.ksk");
        data_ = dir_.filePath("data");
        QDir().mkpath(data_);
        replaceFile(sheet_.toStdString(), building);
    }

    Verdict run()
    {
        Program program(data_);
        program.start({sheet_});
        if (!program.until("ready ")) return failed("the program did not start");

        // Edits at random, some of them saves, then the kill.
        const int edits = 2 + below(5);
        for (int i = 0; i < edits; ++i) {
            send(program, below(4) == 0 ? "save " + saved_ : edit(i));
            QElapsedTimer took;
            took.start();
            if (!program.until("ok ")) return failed("no answer to " + commands_.back());
            if (std::getenv("TOLVANE_KILL_VERBOSE")) qInfo("%s: %lld ms", qPrintable(commands_.back()), took.elapsed());
            QThread::msleep(static_cast<unsigned long>(below(500)));
        }
        switch (moment_) {
        case Moment::Anywhere:
            send(program, edit(edits));
            QThread::msleep(static_cast<unsigned long>(below(800)));
            break;
        case Moment::DuringSave:
            send(program, "save " + saved_);
            QThread::msleep(static_cast<unsigned long>(below(60)));
            break;
        case Moment::DuringRecoveryWrite:
            send(program, QString("building W%1").arg(edits));
            if (!program.until("recovery-writing", 5000)) return failed("no recovery write after an edit");
            QThread::msleep(static_cast<unsigned long>(below(40)));
            break;
        }
        program.kill();
        if (std::getenv("TOLVANE_KILL_VERBOSE")) qInfo("%s", qPrintable(program.lines.join("\n")));
        return check(program.lines);
    }

    QString commands() const { return commands_.join(" | "); }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    void send(Program& program, const QString& command)
    {
        commands_ << command;
        program.send(command);
    }

    QString edit(int i)
    {
        // Rows near the top, where the menu offers its items on the head
        // rows and between the feeders.
        const int row = below(120);
        const int kind = below(100);
        if (kind < 40) return QString("building E%1").arg(i);
        if (kind < 60) return QString("insert %1").arg(row);
        if (kind < 75) return QString("delete %1").arg(row);
        if (kind < 85) return QString("copy %1").arg(row);
        return QString("paste %1").arg(row);
    }

    static Verdict failed(const QString& why) { return Verdict{why}; }

    bool isSave(int command) const { return commands_[command].startsWith("save "); }

    // Reads what the program printed before it was killed, checks the files
    // it left, then starts it again.
    Verdict check(const QStringList& lines)
    {
        Verdict v;
        // The work at start (states[0]) and after each command k (states[k]).
        QStringList states;
        int writesBegun = 0, writesDone = 0, lastWriteLine = -1, statesBeforeLastWrite = 0, lastSaveLine = -1;
        QString savedState;
        for (int i = 0; i < lines.size(); ++i) {
            const QString& line = lines[i];
            if (line.startsWith("ready ") || line.startsWith("ok ")) {
                states << line.section(' ', -1);
                const int command = static_cast<int>(states.size()) - 2;
                if (command >= 0 && isSave(command)) {
                    savedState = states.back();
                    lastSaveLine = i;
                }
            } else if (line == "recovery-writing") {
                ++writesBegun;
            } else if (line == "recovery-written") {
                ++writesDone;
                lastWriteLine = i;
                statesBeforeLastWrite = static_cast<int>(states.size());
            }
        }
        const bool inFlight = states.size() - 1 < commands_.size();
        const bool saveInFlight = inFlight && isSave(static_cast<int>(commands_.size()) - 1);
        v.killedInSave = saveInFlight;
        v.killedInRecoveryWrite = writesBegun > writesDone;

        // The saved file: the last acknowledged save, or the one in flight.
        std::set<QString> allowed;
        if (!savedState.isEmpty()) allowed.insert(savedState);
        if (saveInFlight) allowed.insert(states.back());
        if (QFile::exists(saved_)) {
            if (!allowed.contains(hashOf(bytesOf(saved_)))) return failed("the saved file holds no saved state");
            if (!loads(saved_)) return failed("the saved file does not load");
        } else if (!savedState.isEmpty()) {
            return failed("the saved file is gone");
        }

        // The recovery copy: there when a write completed after the last
        // save; it holds the work as it was at the last completed write or
        // later.
        QStringList copies;
        for (QDirIterator it(data_, {"window-*.ksk"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            copies << it.next();
        if (copies.size() > 1) return failed("more than one recovery copy");
        if (!saveInFlight && lastWriteLine > lastSaveLine && copies.isEmpty())
            return failed("the recovery copy is missing");
        if (!saveInFlight && lastWriteLine < lastSaveLine && !copies.isEmpty())
            return failed("a recovery copy outlived the save");
        if (copies.isEmpty()) return startsWithoutQuestion(v);

        if (!loads(copies[0])) return failed("the recovery copy does not load");
        const QString copyState = hashOf(bytesOf(copies[0]));
        const int earliest = writesDone > 0 ? statesBeforeLastWrite - 1 : 0;
        if (!states.mid(earliest).contains(copyState))
            return failed("the recovery copy misses edits made before its last write");
        return restoresTheCopy(v, copyState);
    }

    Verdict startsWithoutQuestion(Verdict v)
    {
        Program again(data_);
        again.start({});
        auto first = again.until("");
        if (!first || !first->startsWith("ready ")) return failed("started again: " + first.value_or("nothing"));
        return v;
    }

    Verdict restoresTheCopy(Verdict v, const QString& copyState)
    {
        Program again(data_);
        again.start({});
        auto question = again.until("");
        if (question != QString::fromUtf8("ask: ") + QString::fromUtf8(kRecoveryQuestion))
            return failed("the copy was not offered: " + question.value_or("nothing"));
        again.send("yes");
        auto ready = again.until("ready ");
        if (!ready || ready->section(' ', -1) != copyState) return failed("the restored work is not the copy");
        again.send("title");
        auto title = again.until("title: ");
        if (!title || !title->endsWith(" modified")) return failed("the restored work is not shown as unsaved");
        if (!title->contains("building.ksk") && !title->contains("saved.ksk"))
            return failed("the restored work lost its file: " + *title);
        v.offered = true;
        return v;
    }

    std::mt19937 random_;
    Moment moment_;
    QTemporaryDir dir_;
    QString sheet_, saved_, data_;
    QStringList commands_;
};

unsigned setting(const char* name, unsigned fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : fallback;
}

}  // namespace

class RecoveryKillTest : public QObject {
    Q_OBJECT
private slots:
    void workSurvivesAKillAtAnyMoment()
    {
        const unsigned first = setting("TOLVANE_KILL_SEED", 1);
        const unsigned trials = setting("TOLVANE_KILL_TRIALS", 12);
        const std::string building = largeBuilding();
        QVERIFY(!building.empty());
        int inSave = 0, inWrite = 0, offered = 0;
        for (unsigned seed = first; seed < first + trials; ++seed) {
            Trial trial(seed, building);
            const Verdict v = trial.run();
            if (!v.failure.isEmpty())
                QFAIL(qPrintable(QString("seed %1 (TOLVANE_KILL_SEED=%1 TOLVANE_KILL_TRIALS=1 repeats it): %2\n"
                                         "commands: %3")
                                     .arg(seed)
                                     .arg(v.failure, trial.commands())));
            inSave += v.killedInSave;
            inWrite += v.killedInRecoveryWrite;
            offered += v.offered;
        }
        qInfo("%u kill trials passed: %d killed while saving, %d while writing the recovery copy, "
              "%d restored at the next start",
              trials, inSave, inWrite, offered);
    }
};

QTEST_GUILESS_MAIN(RecoveryKillTest)
#include "recovery_kill_test.moc"
