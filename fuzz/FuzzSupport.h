#pragma once

// What the fuzz targets share: a scratch folder laid out as the program
// expects its fixed folders, an offscreen application for targets that
// touch widgets, and the fixture PPDs of the tests.

#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/MakerPpdModel.h"
#include "system/SystemPaths.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace fuzz {

// A failed property: reported like a crash, so that libFuzzer keeps the input.
[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

inline QString fixture(const char *name)
{
    return QStringLiteral(VM_FUZZ_DATA "/") + QLatin1String(name);
}

// The model of a fixture PPD; a fixture that cannot be read fails the run
// rather than fuzzing with no model.
inline std::unique_ptr<tOptionModel> fixtureModel(const char *name)
{
    std::unique_ptr<tOptionModel> model = buildModelFromPpdFile(fixture(name));
    if (!model)
        fail("fixture PPD not read");
    return model;
}

// The per-process scratch folder, with "user/" as the per-user folder,
// "base/" as the base of the per-user folders, "maker/" and "cups/" as the
// PPD folders. Ends in "/".
inline QString scratch()
{
    static QTemporaryDir *dir = [] {
        auto *made = new QTemporaryDir;
        if (!made->isValid())
            fail("no scratch folder");
        const QString root = made->path() + QLatin1Char('/');
        for (const char *sub : {"user", "base", "maker", "cups"})
            QDir().mkpath(root + QLatin1String(sub));
        SystemPaths::setUserBase(root + QStringLiteral("base/"));
        SystemPaths::setMakerPpdDirectory(root + QStringLiteral("maker/"));
        SystemPaths::setCupsPpdDirectory(root + QStringLiteral("cups/"));
        AppState::perUserDirectory = root + QStringLiteral("user/");
        return made;
    }();
    return dir->path() + QLatin1Char('/');
}

inline bool writeFile(const QString &path, const uint8_t *data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written =
        file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size);
    file.close();
    return written;
}

// The application for targets that build widgets; offscreen, made once.
inline void startApplication()
{
    static QApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "vellumark-fuzz";
        static char *argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    (void)app;
}

} // namespace fuzz
