#include "net/downloadjsonvalidator.h"

#include "net/jsondecode.h"

bool DownloadJSONValidator::validate(const QByteArray &data)
{
    return decodeJsonObject(data, m_target);
}
