#pragma once
// A Modbus server for the tests, on libmodbus's own server side: TCP on 127.0.0.1 at a free port, or RTU
// on one end of a pseudo-terminal pair. It answers from its own tables, or stays silent, refuses every
// request with an exception or answers with garbage, as the test says; it counts the requests.
#include <modbus.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <netinet/in.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>

namespace zl::test
{

class ModbusTestServer
{
public:
    enum Mode { Answer, Silent, Exception, Garbage };

    // TCP on 127.0.0.1 at `port`, by default a free one.
    explicit ModbusTestServer(int port = 0)
        : m_context(modbus_new_tcp("127.0.0.1", port)), m_map(modbus_mapping_new(100, 100, 200, 200))
    {
        m_listen = modbus_tcp_listen(m_context, 1);
        sockaddr_in address{};
        socklen_t size = sizeof address;
        if (m_listen < 0 || getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            throw std::runtime_error("cannot listen");
        m_port = ntohs(address.sin_port);
        Start();
    }
    // RTU at station `station` on a serial device.
    ModbusTestServer(const std::string& device, int station)
        : m_context(modbus_new_rtu(device.c_str(), 19200, 'E', 8, 1)),
          m_map(modbus_mapping_new(100, 100, 200, 200))
    {
        modbus_set_slave(m_context, station);
        if (modbus_connect(m_context) != 0)
            throw std::runtime_error("cannot open " + device);
        m_client = modbus_get_socket(m_context);
        Start();
    }
    ~ModbusTestServer()
    {
        m_stop = true;
        m_thread.join();
        if (m_listen >= 0) {
            if (m_client >= 0)
                close(m_client);
            close(m_listen);
        } else {
            modbus_close(m_context);
        }
        modbus_mapping_free(m_map);
        modbus_free(m_context);
    }

    int port() const { return m_port; }
    void setMode(Mode mode) { m_mode = mode; }
    int requests() const { return m_requests; }

    void setRegister(int address, std::uint16_t value)
    {
        std::lock_guard lock(m_mutex);
        m_map->tab_registers[address] = value;
    }
    std::uint16_t holding(int address) const
    {
        std::lock_guard lock(m_mutex);
        return m_map->tab_registers[address];
    }
    void setInputRegister(int address, std::uint16_t value)
    {
        std::lock_guard lock(m_mutex);
        m_map->tab_input_registers[address] = value;
    }
    void setCoil(int address, bool on)
    {
        std::lock_guard lock(m_mutex);
        m_map->tab_bits[address] = on;
    }
    bool coil(int address) const
    {
        std::lock_guard lock(m_mutex);
        return m_map->tab_bits[address];
    }

private:
    void Start()
    {
        modbus_set_indication_timeout(m_context, 0, 200000);
        m_thread = std::thread([this] { Serve(); });
    }

    void Serve()
    {
        std::uint8_t query[MODBUS_MAX_ADU_LENGTH];
        while (!m_stop) {
            pollfd fds[2] = {{m_client, POLLIN, 0}, {m_listen, POLLIN, 0}};
            if (poll(fds, m_listen >= 0 ? 2 : 1, 10) <= 0)
                continue;
            if (m_listen >= 0 && (fds[1].revents & POLLIN)) {
                // The client connects again: the old connection is done with.
                if (m_client >= 0)
                    close(m_client);
                m_client = accept(m_listen, nullptr, nullptr);
                modbus_set_socket(m_context, m_client);
                continue;
            }
            if (!(fds[0].revents & (POLLIN | POLLHUP)))
                continue;
            const int length = modbus_receive(m_context, query);
            if (length < 0 && m_listen >= 0 && errno != ETIMEDOUT) {
                close(m_client);
                m_client = -1;
                continue;
            }
            if (length <= 0)
                continue;
            ++m_requests;
            switch (m_mode.load()) {
            case Answer: {
                std::lock_guard lock(m_mutex);
                modbus_reply(m_context, query, length, m_map);
                break;
            }
            case Silent:
                break;
            case Exception:
                modbus_reply_exception(m_context, query, MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS);
                break;
            case Garbage: {
                // The request's own header (transaction and unit) with a body that makes no sense.
                std::uint8_t junk[16] = {};
                std::memcpy(junk, query, 7);
                junk[4] = 0, junk[5] = 6, junk[7] = 0x55, junk[8] = 0x77;
                if (m_listen < 0)
                    std::memset(junk, 0xA5, sizeof junk);
                (void)!write(m_client, junk, m_listen >= 0 ? 12 : sizeof junk);
                break;
            }
            }
        }
    }

    modbus_t* m_context;
    modbus_mapping_t* m_map;
    int m_listen = -1;
    int m_client = -1;
    int m_port = 0;
    mutable std::mutex m_mutex;
    std::atomic<Mode> m_mode{Answer};
    std::atomic<int> m_requests{0};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace zl::test
