// The card's driver: one device node per card, one ioctl per control call.
#include "Framing.h"
#include "Transport.h"
#include "corvid_ioctl.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace corvid {

namespace {

std::string g_deviceDir = "/dev";

int OpenNode(void* data, int card)
{
    const std::string name = DeviceNodeName(*static_cast<std::string*>(data), card);
    const int fd = ::open(name.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return -errno;
    // The card is not shared: a second process gets no handle.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        return -error;
    }
    return fd;
}

int ControlNode(void*, int handle, std::uint32_t code, const void* in, std::uint32_t inSize,
                void* out, std::uint32_t outSize)
{
    corvid_control request{};
    request.code = code;
    request.in_size = inSize;
    request.in_buffer = reinterpret_cast<std::uintptr_t>(in);
    request.out_size = outSize;
    request.out_buffer = reinterpret_cast<std::uintptr_t>(out);
    int result = 0;
    do {
        result = ::ioctl(handle, CORVID_IOC_CONTROL, &request);
    } while (result < 0 && errno == EINTR);
    return result < 0 ? -1 : 0;
}

void CloseNode(void*, int handle) { ::close(handle); }

void SleepFor(void*, std::uint32_t milliseconds)
{
    timespec left{static_cast<time_t>(milliseconds / 1000),
                  static_cast<long>(milliseconds % 1000) * 1000000L};
    while (::nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

constexpr STransportOps kDeviceOps = {"device", OpenNode, ControlNode, CloseNode, SleepFor};

}  // namespace

STransport DeviceTransport(const char* dir)
{
    g_deviceDir = (dir != nullptr && *dir != '\0') ? dir : "/dev";
    return {&kDeviceOps, &g_deviceDir};
}

}  // namespace corvid
