#include "patch/torrentpaths.h"

#include "patch/safepath.h"

#include <QString>
#include <QStringList>

#include <libtorrent/bdecode.hpp>

namespace {

QString text(lt::string_view view)
{
    return QString::fromUtf8(view.data(), static_cast<int>(view.size()));
}

// A path given as a list must hold strings only: anything else is not a name at all.
bool appendParts(const lt::bdecode_node &value, QStringList &parts)
{
    if (value.type() == lt::bdecode_node::string_t) {
        parts.append(text(value.string_value()));
        return true;
    }
    if (value.type() != lt::bdecode_node::list_t)
        return false;
    for (int i = 0; i < value.list_size(); ++i) {
        const lt::bdecode_node part = value.list_at(i);
        if (part.type() != lt::bdecode_node::string_t)
            return false;
        parts.append(text(part.string_value()));
    }
    return true;
}

// Both the plain and the ".utf-8" spelling of a key are checked: a client may take either.
bool namesStayInside(const lt::bdecode_node &dict, const char *key, const char *utf8Key)
{
    for (const char *name : {key, utf8Key}) {
        const lt::bdecode_node value = dict.dict_find(name);
        if (!value)
            continue;
        QStringList parts;
        if (!appendParts(value, parts) || !staysInside(parts.join(QLatin1Char('/'))))
            return false;
    }
    return true;
}

// The "file tree" of a v2 torrent: every key names a folder or a file, and the empty key holds a
// file's own record.
bool treeStaysInside(const lt::bdecode_node &tree, const QString &prefix)
{
    if (tree.type() != lt::bdecode_node::dict_t)
        return false;
    for (int i = 0; i < tree.dict_size(); ++i) {
        const std::pair<lt::string_view, lt::bdecode_node> item = tree.dict_at(i);
        if (item.first.empty())
            continue;
        const QString name = text(item.first);
        const QString path = prefix.isEmpty() ? name : prefix + QLatin1Char('/') + name;
        if (name.contains(QLatin1Char('/')) || !staysInside(path) || !treeStaysInside(item.second, path))
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
    const lt::bdecode_node files = info.dict_find("files");
    if (files && files.type() != lt::bdecode_node::list_t)
        return false;
    for (int i = 0; files && i < files.list_size(); ++i) {
        const lt::bdecode_node file = files.list_at(i);
        if (file.type() != lt::bdecode_node::dict_t || !namesStayInside(file, "path", "path.utf-8"))
            return false;
    }
    const lt::bdecode_node tree = info.dict_find("file tree");
    return !tree || treeStaysInside(tree, QString());
}
