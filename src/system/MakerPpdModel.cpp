#include "system/MakerPpdModel.h"

#include "model/OptionModelBuilder.h"
#include "model/tOptionModel.h"
#include "system/PerUserFolder.h"
#include "system/SystemPaths.h"

#include <QFile>

#include <cups/file.h>
#include <cups/ppd.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Applied in this order, every occurrence, case-sensitive.
const struct
{
    const char *from;
    const char *to;
} modelLineReplacements[] = {
    {"[", ""},         {"]", ""},     {" ", "_"}, {"_TPDL", ""}, {"B/W", "Monochrome"},
    {"RB/ORVA", "RB"}, {"_TPSL", ""},
};

// Far above any real PPD; a bigger file is taken as missing.
constexpr off_t maximumPpdSize = 16 << 20;

bool isTrustedFolder(const struct stat &info)
{
    if (!S_ISDIR(info.st_mode))
        return false;
    if (info.st_uid == 0)
        return !(info.st_mode & S_IWOTH) && (!(info.st_mode & S_IWGRP) || info.st_gid == 0);
    return PerUserFolder::isUsersAlone(info);
}

// The maker's folder, open, when it can be trusted; else -1.
int openMakerFolder()
{
    QByteArray path = QFile::encodeName(SystemPaths::makerPpdDirectory());
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    const int fd = open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info
    {};
    if (fstat(fd, &info) != 0 || !isTrustedFolder(info)) {
        close(fd);
        return -1;
    }
    return fd;
}

ppd_file_t *openPpdSafely(int folder, const QByteArray &name)
{
    // Without blocking: a FIFO would wait for a writer for ever.
    const int fd =
        openat(folder, name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat info
    {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maximumPpdSize) {
        close(fd);
        return nullptr;
    }
    cups_file_t *file = cupsFileOpenFd(fd, "r");
    if (!file) {
        close(fd);
        return nullptr;
    }
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ppd_file_t *ppd = ppdOpen2(file);
#pragma GCC diagnostic pop
    cupsFileClose(file);
    return ppd;
}

QString makerPpdNameForModelLine(const QString &modelLine)
{
    QString name = modelLine;
    for (const auto &step : modelLineReplacements)
        name.replace(QLatin1String(step.from), QLatin1String(step.to));
    return name + QStringLiteral(".ppd");
}

} // namespace

std::unique_ptr<tOptionModel> buildModelFromMakerPpd(const QString &modelLine)
{
    // A name with a "/" would lead out of the folder that was checked.
    const QByteArray name = QFile::encodeName(makerPpdNameForModelLine(modelLine));
    if (name.contains('/'))
        return nullptr;
    const int folder = openMakerFolder();
    if (folder < 0)
        return nullptr;
    ppd_file_t *ppd = openPpdSafely(folder, name);
    close(folder);
    if (!ppd)
        return nullptr;
    auto model = std::make_unique<tOptionModel>();
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    buildOptionModel(ppd, model.get());
    ppdClose(ppd);
#pragma GCC diagnostic pop
    return model;
}

std::unique_ptr<tOptionModel> buildModelFromPpdFile(const QString &path)
{
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ppd_file_t *ppd = ppdOpenFile(QFile::encodeName(path).constData());
    if (!ppd)
        return nullptr;
    auto model = std::make_unique<tOptionModel>();
    buildOptionModel(ppd, model.get());
    ppdClose(ppd);
#pragma GCC diagnostic pop
    return model;
}
