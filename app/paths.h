#pragma once

#include <QString>

// Every file and folder the launcher touches is named here. Paths use "/" separators;
// folders returned as folders end with "/".
//
// The application folder is the executable's folder unless setApplicationFolder() points
// it elsewhere (tests and demos run the real program logic against a scratch folder).
class Paths
{
public:
    enum FolderKind {
        RoamingAppData = 0,
        LocalAppData = 1,
        LauncherAppData = 2,
        ProductData = 3,
        StartMenu = 4,
        QuickLaunch = 5,
        Desktop = 6,
        ApplicationFolder = 7,
        CommonAppData = 8,
        GamePerUserData = 9,
        GameRoamingData = 10,
        CompanyData = 11,
        SystemFolder = 12,
        HostsFile = 13,
    };

    static QString folder(int kind, bool create = false);
    static QString rawFolder(int kind);

    static void setApplicationFolder(const QString &path);
    static QString applicationFolder();

    static QString logPath();
    static QString previousLogPath();
    static QString settingsPath();
    static QString sessionPath();
    static QString gameFolder(bool create = false);
    static QString updateFolder(bool create = true);
    static QString updateTempFolder(bool create = false);
    static QString updateTempSubfolder(const QString &relative);
    static QString recoverTempFolder(bool create = false);
    static QString traceToolPath();
    static QString packageListName();
    static bool gameFolderExists();

    static QString gameLogPath();
    static QString previousGameLogPath();
    static QString gameSessionDataPath();
    static QString randomTempFile();

    static bool makePath(const QString &path);
    static QString joinPath(const QString &first, const QString &second);
    static QString stripFirstComponent(const QString &path);
};
