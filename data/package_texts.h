// The texts of the desktop entry and the AppStream metainfo, listed for the translation files
// only (nothing includes this header). The package build writes each language's form beside the
// English one. Keep them equal to the English in the desktop entry and metainfo.
#pragma once
#include <QtGlobal>

static const char *const desktopEntryTexts[] = {
    QT_TRANSLATE_NOOP("DesktopEntry", "Game Launcher"),
    QT_TRANSLATE_NOOP("DesktopEntry", "Sign in, update the game files and read the news"),
    //: Search words, each followed by a semicolon. Keep "Vantorel".
    QT_TRANSLATE_NOOP("DesktopEntry", "Vantorel;game;launcher;update;patch;"),
};

static const char *const metainfoTexts[] = {
    QT_TRANSLATE_NOOP("Metainfo", "Sign in, keep the game files up to date and read the news"),
    QT_TRANSLATE_NOOP("Metainfo", "The launcher of the Vantorel online game. Sign in with your e-mail, password and second factor, bring the game's files up to date from the patch server and read the latest news."),
    QT_TRANSLATE_NOOP("Metainfo", "Every file is checked by SHA-256 and replaced in one step, so an update never leaves a broken file"),
    QT_TRANSLATE_NOOP("Metainfo", "Cut downloads go on where they stopped, even after a restart"),
    QT_TRANSLATE_NOOP("Metainfo", "An optional download speed limit that applies to the whole launcher"),
    QT_TRANSLATE_NOOP("Metainfo", "Signed patch lists: a tampered or outdated list is refused before anything is written"),
    QT_TRANSLATE_NOOP("Metainfo", "Signing in"),
    QT_TRANSLATE_NOOP("Metainfo", "The home screen with the news and the game panel"),
};
