#include "helper/DataControlClipboard.h"

#include "core/SecretWipe.h"

// Written by wayland-scanner into the build folder.
#include <wlr-data-control-unstable-v1-client-protocol.h>

#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

// The text under the types that Wayland programs ask for, and X11 programs
// through Xwayland.
constexpr const char *textTypes[] = {"text/plain;charset=utf-8", "text/plain", "UTF8_STRING"};

// A reader that never reads must not hold up the clear: the descriptor does
// not block, and what does not fit at once (a password always fits in an
// empty pipe) is dropped.
void writeWithoutWaiting(int fd, const QByteArray &bytes)
{
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno != EINTR)
            return;
        done += std::max<ssize_t>(written, 0);
    }
}

} // namespace

DataControlClipboard::DataControlClipboard()
{
    m_display = wl_display_connect(nullptr);
    if (!m_display) {
        m_failure = Failure::NoCompositor;
        return;
    }
    static constexpr wl_registry_listener registryListener{global, globalRemoved};
    m_registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(m_registry, &registryListener, this);
    if (wl_display_roundtrip(m_display) < 0) {
        m_failure = Failure::Refused;
    } else if (!m_manager || !m_seat) {
        m_failure = Failure::NotOffered;
    } else {
        static constexpr zwlr_data_control_device_v1_listener deviceListener{dataOffer, selection,
                                                                             finished};
        m_device = zwlr_data_control_manager_v1_get_data_device(m_manager, m_seat);
        zwlr_data_control_device_v1_add_listener(m_device, &deviceListener, this);
    }
}

DataControlClipboard::~DataControlClipboard()
{
    if (m_offer)
        zwlr_data_control_offer_v1_destroy(m_offer);
    if (m_source)
        zwlr_data_control_source_v1_destroy(m_source);
    if (m_device)
        zwlr_data_control_device_v1_destroy(m_device);
    if (m_manager)
        zwlr_data_control_manager_v1_destroy(m_manager);
    if (m_seat)
        wl_seat_destroy(m_seat);
    if (m_registry)
        wl_registry_destroy(m_registry);
    if (m_display)
        wl_display_disconnect(m_display);
    wipeInPlace(m_text);
}

std::optional<DataControlClipboard::Failure>
DataControlClipboard::copy(const QList<TypedValue> &markers, QByteArray text)
{
    m_text = std::move(text); // wiped with this object, copied or not
    if (m_failure)
        return m_failure;
    m_markers = markers;
    static constexpr zwlr_data_control_source_v1_listener sourceListener{send, cancelled};
    m_source = zwlr_data_control_manager_v1_create_data_source(m_manager);
    zwlr_data_control_source_v1_add_listener(m_source, &sourceListener, this);
    for (const TypedValue &marker : m_markers)
        zwlr_data_control_source_v1_offer(m_source, marker.first.constData());
    for (const char *type : textTypes)
        zwlr_data_control_source_v1_offer(m_source, type);
    zwlr_data_control_device_v1_set_selection(m_device, m_source);
    // A compositor that takes the source keeps it: one that does not
    // cancels it at once, or ends the connection.
    if (wl_display_roundtrip(m_display) < 0 || m_lost)
        return Failure::Refused;
    return std::nullopt;
}

void DataControlClipboard::serve(std::optional<std::chrono::nanoseconds> deadline,
                                 const Clock &clock)
{
    using namespace std::chrono;
    while (isServing()) {
        milliseconds wait = seconds(1);
        if (deadline) {
            const nanoseconds left = *deadline - clock();
            if (left <= nanoseconds::zero()) {
                clearIfOurs();
                return;
            }
            wait = std::min(ceil<milliseconds>(left), wait);
        }
        if (!dispatchFor(wait))
            m_lost = true;
    }
}

// Waits up to the timeout for the compositor, and handles what it said:
// false once the connection is gone.
bool DataControlClipboard::dispatchFor(std::chrono::milliseconds timeout)
{
    while (wl_display_prepare_read(m_display) != 0) {
        if (wl_display_dispatch_pending(m_display) < 0)
            return false;
    }
    if (wl_display_flush(m_display) < 0 && errno != EAGAIN) {
        wl_display_cancel_read(m_display);
        return false;
    }
    pollfd ready{wl_display_get_fd(m_display), POLLIN, 0};
    const int polled = ::poll(&ready, 1, int(timeout.count()));
    if (polled <= 0) {
        wl_display_cancel_read(m_display);
        return polled == 0 || errno == EINTR;
    }
    return wl_display_read_events(m_display) >= 0 && wl_display_dispatch_pending(m_display) >= 0;
}

void DataControlClipboard::clearIfOurs()
{
    // Another program's copy may be on its way: hear the compositor out
    // first. Then the source goes, which empties the selection only while it
    // is the selection: a copy that came in between is never touched.
    if (wl_display_roundtrip(m_display) < 0 || !isServing())
        return;
    zwlr_data_control_source_v1_destroy(m_source);
    m_source = nullptr;
    wl_display_roundtrip(m_display);
}

void DataControlClipboard::global(void *data, wl_registry *registry, uint32_t name,
                                  const char *interface, uint32_t)
{
    auto *self = static_cast<DataControlClipboard *>(data);
    if (!self->m_manager
        && std::strcmp(interface, zwlr_data_control_manager_v1_interface.name) == 0) {
        self->m_manager = static_cast<zwlr_data_control_manager_v1 *>(
            wl_registry_bind(registry, name, &zwlr_data_control_manager_v1_interface, 1));
    } else if (!self->m_seat && std::strcmp(interface, wl_seat_interface.name) == 0) {
        // The first seat is the user's: a desktop with several is rare.
        self->m_seat =
            static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    }
}

void DataControlClipboard::globalRemoved(void *, wl_registry *, uint32_t) {}

void DataControlClipboard::dataOffer(void *, zwlr_data_control_device_v1 *,
                                     zwlr_data_control_offer_v1 *)
{
    // Named by the selection event that follows.
}

void DataControlClipboard::selection(void *data, zwlr_data_control_device_v1 *,
                                     zwlr_data_control_offer_v1 *offer)
{
    // Whose selection it is the source's cancel tells; the offer is only
    // let go of once the next one comes.
    auto *self = static_cast<DataControlClipboard *>(data);
    if (self->m_offer && self->m_offer != offer)
        zwlr_data_control_offer_v1_destroy(self->m_offer);
    self->m_offer = offer;
}

void DataControlClipboard::finished(void *data, zwlr_data_control_device_v1 *)
{
    static_cast<DataControlClipboard *>(data)->m_lost = true;
}

void DataControlClipboard::send(void *data, zwlr_data_control_source_v1 *, const char *type,
                                int32_t fd)
{
    auto *self = static_cast<DataControlClipboard *>(data);
    const bool text = std::any_of(std::begin(textTypes), std::end(textTypes),
                                  [type](const char *t) { return std::strcmp(t, type) == 0; });
    if (text) {
        writeWithoutWaiting(fd, self->m_text);
    } else {
        for (const TypedValue &marker : self->m_markers) {
            if (marker.first == type)
                writeWithoutWaiting(fd, marker.second);
        }
    }
    ::close(fd);
}

void DataControlClipboard::cancelled(void *data, zwlr_data_control_source_v1 *)
{
    // Another selection took its place; the source is never the selection again.
    static_cast<DataControlClipboard *>(data)->m_lost = true;
}
