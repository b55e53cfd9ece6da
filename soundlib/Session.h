// The library's lifecycle rules and the code of its last failure, apart from any device.
#pragma once

namespace soundlib {

class Session {
public:
    static constexpr int kDefaultBufferMs = 1000;

    // Each check records the failure's code and returns false when the call must not go on.
    bool SelectDriver(int driver);
    bool CheckInitArguments(int mixRate, int channels);
    bool SetBufferMs(int ms);
    bool RequireInitialized();
    bool CheckOpenArguments(const char* name, int offset, int length);

    void Initialized(int channels);
    // Back to the state before FSOUND_Init; the last failure stays readable.
    void Closed();

    // Records the failure's code; false, for the checks to return.
    bool Fail(int code)
    {
        m_lastError = code;
        return false;
    }
    int LastError() const { return m_lastError; }
    bool IsInitialized() const { return m_initialized; }
    int Channels() const { return m_channels; }
    int BufferMs() const { return m_bufferMs; }

private:
    bool m_initialized = false;
    int m_channels = 0;
    int m_bufferMs = kDefaultBufferMs;
    int m_lastError = 0;
};

}  // namespace soundlib
