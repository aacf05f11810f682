#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

// The program's own resources (fonts under the type "RT_RCDATA", pictures
// under "GIF"), looked up by type and name without regard to letter case.

class ResourceNotFound : public std::runtime_error {
public:
    explicit ResourceNotFound(const QString& name);
};

// The bytes of a resource; throws ResourceNotFound ("Resource %s not found",
// with the name asked for). Uncompressed resources are not copied.
QByteArray LoadProgramResource(const QString& type, const QString& name);

// Whether a resource exists, without loading it.
bool HasProgramResource(const QString& type, const QString& name);
