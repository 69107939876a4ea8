#include "patch/torrentpaths.h"

#include "patch/safepath.h"

#include <QString>
#include <QStringList>

#include <libtorrent/bdecode.hpp>

namespace {

QString text(const lt::bdecode_node &node)
{
    const auto view = node.string_value();
    return QString::fromUtf8(view.data(), static_cast<int>(view.size()));
}

// Both the plain and the ".utf-8" spelling of a key are checked: a client may take either.
bool namesStayInside(const lt::bdecode_node &dict, const char *key, const char *utf8Key)
{
    for (const char *name : {key, utf8Key}) {
        const lt::bdecode_node value = dict.dict_find(name);
        if (!value)
            continue;
        QStringList parts;
        if (value.type() == lt::bdecode_node::string_t) {
            parts.append(text(value));
        } else if (value.type() == lt::bdecode_node::list_t) {
            for (int i = 0; i < value.list_size(); ++i)
                parts.append(text(value.list_at(i)));
        } else {
            return false;
        }
        if (!staysInside(parts.join(QLatin1Char('/'))))
            return false;
    }
    return true;
}

} // namespace

bool torrentPathsStayInside(const QByteArray &torrentData)
{
    lt::error_code error;
    const lt::bdecode_node root = lt::bdecode({torrentData.constData(), torrentData.size()}, error);
    if (error || root.type() != lt::bdecode_node::dict_t)
        return false;
    const lt::bdecode_node info = root.dict_find_dict("info");
    if (!info || !namesStayInside(info, "name", "name.utf-8"))
        return false;
    const lt::bdecode_node files = info.dict_find_list("files");
    for (int i = 0; files && i < files.list_size(); ++i) {
        const lt::bdecode_node file = files.list_at(i);
        if (file.type() != lt::bdecode_node::dict_t || !namesStayInside(file, "path", "path.utf-8"))
            return false;
    }
    return true;
}
