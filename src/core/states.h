#pragma once
#include "patch/phase.h"

#include <QMetaType>
#include <QString>
#include <optional>

// Which screen the main window shows.
struct Screen {
    enum Kind { Starting, Login, Mfa, Main, Unreachable };
    Kind kind = Starting;
    QString method;  // the second-factor method, for Mfa only

    static Screen starting() { return {Starting, {}}; }
    static Screen login() { return {Login, {}}; }
    static Screen mfa(QString method) { return {Mfa, std::move(method)}; }
    static Screen main() { return {Main, {}}; }
    static Screen unreachable() { return {Unreachable, {}}; }
    bool operator==(const Screen &) const = default;
};

// What the launcher knows about the game's files on disk.
struct InstallState {
    enum Kind { NotInstalled, UpdateAvailable, Failed, Checking, Ready, Working };
    Kind kind = Checking;
    qint64 files = 0;
    qint64 bytes = 0;
    QString message;

    static InstallState notInstalled(qint64 bytes) { return {NotInstalled, 0, bytes, {}}; }
    static InstallState updateAvailable(qint64 files, qint64 bytes) { return {UpdateAvailable, files, bytes, {}}; }
    static InstallState failed(QString message) { return {Failed, 0, 0, std::move(message)}; }
    static InstallState checking() { return {Checking, 0, 0, {}}; }
    static InstallState ready() { return {Ready, 0, 0, {}}; }
    static InstallState working() { return {Working, 0, 0, {}}; }
    bool operator==(const InstallState &) const = default;
};

// One slide of the home feed.
struct HeroSlide {
    QString image;
    QString headline;
    std::optional<QString> sub;
    bool operator==(const HeroSlide &) const = default;
};

QString describe(const Screen &screen);
QString describe(const InstallState &state);
QString describe(const PatchPhase &phase);

