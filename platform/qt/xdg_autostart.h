#pragma once
// The start-up list as a per-user XDG autostart entry. Switched on, the entry
// is a valid desktop entry whose Exec starts the program; switched off, the
// file stays with Hidden=true so that the desktop skips it. A desktop's own
// start-up tool may switch it off its way (GNOME: X-GNOME-Autostart-enabled);
// both read as off, and switching on sets both.
#include <QString>

#include "preferences/startup_list.h"

namespace tarvenel::qt {

class XdgAutostartEntry : public StartupList {
public:
    // file: normally $XDG_CONFIG_HOME/autostart/tarvenel.desktop; program:
    // the running executable, which the entry must start.
    XdgAutostartEntry(QString file, QString program);
    static QString DefaultFile();

    // On when the entry is switched on and its Exec starts this very file.
    bool IsOn() override { return ReadProgram() == program_; }
    StartupResult Switch(bool on) override;
    // The program the entry starts; empty when switched off or unreadable.
    QString ReadProgram();

private:
    QString Read();

    QString file_;
    QString program_;
};

} // namespace tarvenel::qt
