#include "glyphs/PrivateFonts.h"

#include "glyphs/FreeTypeFace.h"

#include <QList>

namespace {

struct Registration {
    int handle;
    QString family;
    QByteArray fontFile;
};

QList<Registration>& Registrations()
{
    static QList<Registration> registrations;
    return registrations;
}

}  // namespace

int PrivateFonts::add(const QByteArray& fontFile)
{
    static int lastHandle = 0;
    const QByteArray copy(fontFile.constData(), fontFile.size());
    const QString family = FreeTypeFace::fromData(copy)->familyName();
    if (family.isEmpty())
        return 0;
    Registrations().append({++lastHandle, family, copy});
    return lastHandle;
}

void PrivateFonts::remove(int handle)
{
    Registrations().removeIf([handle](const Registration& entry) { return entry.handle == handle; });
}

QByteArray PrivateFonts::fileFor(const QString& family)
{
    const QList<Registration>& registrations = Registrations();
    for (auto entry = registrations.crbegin(); entry != registrations.crend(); ++entry)
        if (entry->family.compare(family, Qt::CaseInsensitive) == 0)
            return entry->fontFile;
    return {};
}

QStringList PrivateFonts::families()
{
    QStringList families;
    for (const Registration& entry : Registrations())
        families.append(entry.family);
    return families;
}
