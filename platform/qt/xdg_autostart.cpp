#include "platform/qt/xdg_autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

#include "app/version.h"
#include "platform/qt/qt_string.h"

namespace tarvenel::qt {
namespace {

const QString kGroup = QStringLiteral("[Desktop Entry]");

// Backslash escapes of desktop-entry string values (\s \n \t \r \\).
QString EscapeString(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

QString UnescapeString(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar next = text[++i];
        switch (next.unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        default:
            out += next;
        }
    }
    return out;
}

bool IsKeyLine(const QString& line, const QString& key) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq > 0 && line.left(eq).trimmed() == key;
}

QString ValueOf(const QString& line) {
    return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
}

// Lines of the [Desktop Entry] group (without the header), and the rest.
struct EntryFile {
    QStringList before; // anything before the group (comments)
    QStringList entry;
    QStringList after; // other groups, kept as they are
};

EntryFile Parse(const QString& content) {
    EntryFile file;
    QStringList* target = &file.before;
    for (const QString& line : content.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('['))) {
            target = trimmed == kGroup && target == &file.before ? &file.entry : &file.after;
            if (target == &file.entry)
                continue;
        }
        target->append(line);
    }
    while (!file.entry.isEmpty() && file.entry.last().trimmed().isEmpty())
        file.entry.removeLast();
    return file;
}

void SetKey(QStringList& lines, const QString& key, const QString& value) {
    for (QString& line : lines)
        if (IsKeyLine(line, key)) {
            line = key + QLatin1Char('=') + value;
            return;
        }
    lines.append(key + QLatin1Char('=') + value);
}

} // namespace

QString ExecValueFor(const QString& program) {
    // Quote always: inside double quotes ", `, $ and \ take a backslash. A
    // literal % must be doubled, because Exec expands field codes.
    QString quoted = QStringLiteral("\"");
    for (QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    return EscapeString(quoted);
}

QString ProgramOfExec(const QString& execValue) {
    const QString exec = UnescapeString(execValue);
    QString program;
    qsizetype i = 0;
    if (exec.startsWith(QLatin1Char('"'))) {
        for (i = 1; i < exec.size(); ++i) {
            QChar c = exec[i];
            if (c == QLatin1Char('"'))
                return program;
            if (c == QLatin1Char('\\')) {
                if (++i == exec.size())
                    return {};
                c = exec[i];
            } else if (c == QLatin1Char('%')) {
                if (++i == exec.size() || exec[i] != QLatin1Char('%'))
                    return {}; // a field code inside the program name
            }
            program += c;
        }
        return {}; // unterminated quote
    }
    for (; i < exec.size() && exec[i] != QLatin1Char(' '); ++i) {
        if (exec[i] == QLatin1Char('%')) {
            if (++i == exec.size() || exec[i] != QLatin1Char('%'))
                return {};
        }
        program += exec[i];
    }
    return program;
}

XdgAutostartEntry::XdgAutostartEntry(QString file, QString program)
    : file_(std::move(file)), program_(std::move(program)) {}

QString XdgAutostartEntry::DefaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/tarvenel.desktop");
}

QString XdgAutostartEntry::ReadProgram() {
    QFile file(file_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const EntryFile entry = Parse(QString::fromUtf8(file.readAll()));
    QString exec;
    for (const QString& line : entry.entry) {
        if (IsKeyLine(line, QStringLiteral("Hidden")) && ValueOf(line) == QStringLiteral("true"))
            return {}; // a hidden entry is a removed one
        if (IsKeyLine(line, QStringLiteral("Exec")))
            exec = ValueOf(line);
    }
    return ProgramOfExec(exec);
}

StartupResult XdgAutostartEntry::Register() {
    QStringList lines{
        kGroup,
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=") + EscapeString(QString::fromLatin1(kAppTitle)),
        QStringLiteral("Comment=") + EscapeString(QStringLiteral("定时关机")),
        QStringLiteral("Exec=") + ExecValueFor(program_),
        QStringLiteral("Terminal=false"),
        QStringLiteral("Hidden=false"),
        QStringLiteral("X-GNOME-Autostart-enabled=true"),
    };
    return Save(lines);
}

StartupResult XdgAutostartEntry::Unregister() {
    QFile file(file_);
    EntryFile entry;
    if (file.open(QIODevice::ReadOnly))
        entry = Parse(QString::fromUtf8(file.readAll()));
    file.close();
    // The entry stays, switched off, so the user's other keys survive.
    if (entry.entry.isEmpty()) {
        SetKey(entry.entry, QStringLiteral("Type"), QStringLiteral("Application"));
        SetKey(entry.entry, QStringLiteral("Name"), QString::fromLatin1(kAppTitle));
    }
    SetKey(entry.entry, QStringLiteral("Hidden"), QStringLiteral("true"));
    QStringList lines = entry.before;
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    lines.append(kGroup);
    lines += entry.entry;
    if (!entry.after.isEmpty())
        lines += QStringList{QString()} + entry.after;
    return Save(lines);
}

StartupResult XdgAutostartEntry::Save(const QStringList& lines) {
    const QString dir = QFileInfo(file_).absolutePath();
    QSaveFile file(file_);
    QString text = lines.join(QLatin1Char('\n'));
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    if (!QDir().mkpath(dir) || !file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 ||
        !file.commit())
        return {false, "无法写入自动启动文件 " + FromQt(file_)};
    return {};
}

} // namespace tarvenel::qt
