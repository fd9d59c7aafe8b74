#pragma once
// Base of the framework's exceptions, thrown and caught by pointer.

class CException
{
  public:
    explicit CException(bool autoDelete = true) : m_bAutoDelete(autoDelete) {}
    virtual ~CException() = default;
    CException(const CException&) = delete;
    CException& operator=(const CException&) = delete;

    // Frees a heap exception after it was caught; a static one stays.
    void Delete()
    {
        if (m_bAutoDelete)
            delete this;
    }

  private:
    bool m_bAutoDelete;
};
