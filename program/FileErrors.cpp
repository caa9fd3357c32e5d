#include "program/FileErrors.h"

#include <cerrno>
#include <filesystem>

std::string FileErrorReason(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "文件或文件夹不存在。";
    case EACCES:
    case EPERM:
        return "没有访问这个文件的权限。";
    case EROFS:
        return "磁盘是只读的，不能写入。";
    case EISDIR:
        return "这是一个文件夹，不是文件。";
    case EIO:
        return "读写磁盘时出错，磁盘可能有故障。";
    case ENOSPC:
    case EDQUOT:
        return "磁盘已满。";
    case ENAMETOOLONG:
        return "文件名太长。";
    case EFBIG:
        return "文件超出了系统允许的大小。";
    case EMFILE:
    case ENFILE:
        return "同时打开的文件太多。";
    default:
        // The number lets a teacher look the cause up.
        return "系统错误（错误号" + std::to_string(error) + "）。";
    }
}

std::string DescribeFileError(std::string_view what, const std::string& path, int error)
{
    return std::string(what) + "“" + path + "”：" + FileErrorReason(error);
}

std::string DescribeFolderError(std::string_view what, const std::string& path, int error)
{
    if (error != EACCES && error != EPERM)
        return DescribeFileError(what, path, error);
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::absolute(path, ec).parent_path();
    if (ec)
        folder = std::filesystem::path(path).parent_path();
    return std::string(what) + "“" + path + "”：没有在文件夹“" + folder.string() + "”中新建文件的权限。";
}
