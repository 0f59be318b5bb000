#pragma once

#include <QString>

// Hands addresses and programs to the desktop. Each call returns at once;
// what is started runs on its own, apart from this program.
class Shell
{
public:
    virtual ~Shell() = default;
    // Opens the address in the user's default web browser. False when no
    // browser could be asked to.
    virtual bool openAddress(const QString &address) = 0;
    // Starts the platform's own opener for the address as a separate program
    // (Windows "start", minimised; xdg-open elsewhere). False when it did not start.
    virtual bool startOpener(const QString &address) = 0;
    // Starts the program at the full path in a window of its own. False when
    // it did not start.
    virtual bool startProgram(const QString &path) = 0;
};

class QtShell final : public Shell
{
public:
    bool openAddress(const QString &address) override;
    bool startOpener(const QString &address) override;
    bool startProgram(const QString &path) override;
};
