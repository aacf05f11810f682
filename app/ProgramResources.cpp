#include "ProgramResources.h"

#include <QDirIterator>
#include <QHash>
#include <QResource>

namespace {

QString LookupKey(const QString& type, const QString& name)
{
    return type.toLower() + u'/' + name.toLower();
}

// Qt's resource names are case-sensitive; this index folds them. Resources
// are stored as ":/<TYPE>/<NAME>".
const QHash<QString, QString>& ResourceIndex()
{
    static const QHash<QString, QString> index = [] {
        QHash<QString, QString> paths;
        QDirIterator types(QStringLiteral(":/"), QDir::Dirs | QDir::NoDotAndDotDot);
        while (types.hasNext()) {
            const QString type = types.next();
            QDirIterator files(type, QDir::Files);
            while (files.hasNext()) {
                const QString path = files.next();
                paths.insert(LookupKey(QFileInfo(type).fileName(), QFileInfo(path).fileName()), path);
            }
        }
        return paths;
    }();
    return index;
}

}  // namespace

ResourceNotFound::ResourceNotFound(const QString& name)
    : std::runtime_error(QStringLiteral("Resource %1 not found").arg(name).toStdString())
{ }

QByteArray LoadProgramResource(const QString& type, const QString& name)
{
    const auto found = ResourceIndex().constFind(LookupKey(type, name));
    if (found == ResourceIndex().constEnd())
        throw ResourceNotFound(name);
    return QResource(found.value()).uncompressedData();
}

bool HasProgramResource(const QString& type, const QString& name)
{
    return ResourceIndex().contains(LookupKey(type, name));
}
