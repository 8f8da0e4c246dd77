#include "setup/file_source.h"

#include "document/user_prompts.h"
#include "platform/name_pattern.h"
#include "setup/folder_walk.h"

#include <QDir>
#include <algorithm>

namespace vantaloop {

namespace {

struct ImageType {
    const char *caption;
    const char *pattern;
};

constexpr ImageType imageTypes[FileSource::TypeCount] = {
    {"BMP - Windows bitmap", "*.bmp"}, {"GIF - CompuServe GIF", "*.gif"},   {"JPG - JPEG", "*.jpg"},
    {"PCX - Paintbrush", "*.pcx"},     {"XBM - X-Windows bitmap", "*.xbm"},
};

} // namespace

FileSource::FileSource(const platform::VolumeSource *volumes, UserPrompts *prompts, QObject *parent)
    : QObject(parent)
    , m_volumes(volumes)
    , m_prompts(prompts)
{
    connect(&m_folders, &FolderListModel::pathChanged, this, [this](const QString &path) {
        m_files.showFolder(path, m_folders.listing());
        m_folderOfDrive.insert(platform::driveOf(drives(), path), path);
    });
    m_files.setPattern(typePattern(m_types));
    openFolder(QDir::currentPath());
    m_drive = platform::driveOf(drives(), m_folders.path());
}

QString FileSource::typePattern(const TypeChecks &checked)
{
    QStringList patterns;
    for (int i = 0; i < TypeCount; ++i) {
        if (checked[size_t(i)])
            patterns.append(QLatin1String(imageTypes[i].pattern));
    }
    return patterns.join(u';');
}

QString FileSource::typeCaption(int index)
{
    return tr(imageTypes[index].caption);
}

void FileSource::setTypeChecked(int index, bool checked)
{
    m_types[size_t(index)] = checked;
    m_files.setPattern(typePattern(m_types));
}

void FileSource::driveError()
{
    m_prompts->showMessage(tr("Device Error or Drive NOT Ready."), QString(), MessageStyle::OkOnly);
    // Back to the drive whose folder is still shown.
    m_drive = platform::driveOf(drives(), m_folders.path());
    emit currentDriveChanged(m_drive);
}

void FileSource::chooseDrive(const QString &root)
{
    if (root == m_drive)
        return;
    if (!m_volumes->isReady(root)) {
        driveError();
        return;
    }
    // A remembered folder that has gone since falls back to the root.
    if (!m_folders.setPath(m_folderOfDrive.value(root, root)) && !m_folders.setPath(root)) {
        driveError();
        return;
    }
    m_drive = root;
    QDir::setCurrent(m_folders.path());
    emit currentDriveChanged(m_drive);
}

bool FileSource::openFolder(const QString &path)
{
    if (m_folders.setPath(path))
        return true;
    m_prompts->showMessage(tr("The folder \"%1\" cannot be read.\n%2")
                               .arg(QDir::toNativeSeparators(path), m_folders.lastError()),
                           QString(), MessageStyle::Exclamation);
    return false;
}

FileSource::Gathered FileSource::gather(bool recursive, const QList<int> &selectedRows) const
{
    Gathered gathered;
    if (!recursive) {
        QList<int> rows = selectedRows;
        std::sort(rows.begin(), rows.end());
        for (int row : rows)
            gathered.paths.append(platform::joinPath(m_files.folder(), m_files.names().at(row)));
        return gathered;
    }
    const platform::NamePattern pattern(m_files.pattern());
    gathered.skipped = walkFolders(
        m_folders.path(), [&](const QString &folder, const platform::FolderListing &listing) {
            const QString base = platform::joinPath(folder, QString());
            for (const platform::FolderEntry &file : listing.files) {
                if (!file.hidden && pattern.matches(file.name))
                    gathered.paths.append(base + file.name);
            }
        });
    return gathered;
}

} // namespace vantaloop
