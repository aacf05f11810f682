#include "ProgramResources.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QHash>
#include <QResource>

namespace {

// Qt's resource names are case-sensitive; these indexes fold them.
// Resources are stored as ":/<TYPE>/<NAME>"; the names of one type are
// indexed when that type is first asked for, so looking up a font does not
// walk the pictures.
using NameIndex = QHash<QString, QString>;  // folded name -> path

NameIndex IndexOfType(const QString& typePath)
{
    NameIndex paths;
    QDirIterator files(typePath, QDir::Files);
    while (files.hasNext()) {
        const QString path = files.next();
        paths.insert(QFileInfo(path).fileName().toLower(), path);
    }
    return paths;
}

const NameIndex* TypeIndex(const QString& type)
{
    static QHash<QString, QString> typePaths = [] {
        QHash<QString, QString> paths;
        QDirIterator types(QStringLiteral(":/"), QDir::Dirs | QDir::NoDotAndDotDot);
        while (types.hasNext()) {
            const QString path = types.next();
            paths.insert(QFileInfo(path).fileName().toLower(), path);
        }
        return paths;
    }();
    static QHash<QString, NameIndex> indexes;
    const QString folded = type.toLower();
    const auto typePath = typePaths.constFind(folded);
    if (typePath == typePaths.constEnd())
        return nullptr;
    auto index = indexes.find(folded);
    if (index == indexes.end())
        index = indexes.insert(folded, IndexOfType(typePath.value()));
    return &index.value();
}

const QString* FindResource(const QString& type, const QString& name)
{
    const NameIndex* index = TypeIndex(type);
    if (!index)
        return nullptr;
    const auto found = index->constFind(name.toLower());
    return found == index->constEnd() ? nullptr : &found.value();
}

// The program stores its resources in upper case: that spelling is looked
// up first, before a search whatever the letter case. (A directory of that
// name has no data.)
QByteArray StoredInUpperCase(const QString& type, const QString& name)
{
    const QResource stored(QLatin1String(":/") + type.toUpper() + u'/' + name.toUpper());
    return stored.isValid() && stored.size() > 0 ? stored.uncompressedData() : QByteArray();
}

}  // namespace

ResourceNotFound::ResourceNotFound(const QString& name)
    : std::runtime_error(
        QCoreApplication::translate("ProgramResources", "Resource %1 not found").arg(name).toStdString())
{ }

QByteArray LoadProgramResource(const QString& type, const QString& name)
{
    if (QByteArray data = StoredInUpperCase(type, name); !data.isEmpty())
        return data;
    const QString* path = FindResource(type, name);
    if (!path)
        throw ResourceNotFound(name);
    return QResource(*path).uncompressedData();
}

bool HasProgramResource(const QString& type, const QString& name)
{
    return FindResource(type, name) != nullptr;
}
