// A style plugin that fails the way a broken plugin or platform does while the window opens:
// -style freefall-segfault writes through a null pointer, freefall-abort aborts, freefall-trap
// executes an illegal instruction.
#include <QStylePlugin>

#include <cstdint>
#include <cstdlib>

class CrashStylePlugin : public QStylePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "crashstyle.json")

public:
    QStyle *create(const QString &key) override
    {
        if (key == u"freefall-segfault") {
            // Read back through volatile, so the compiler cannot see that it is null.
            volatile std::uintptr_t address = 0;
            *reinterpret_cast<volatile int *>(address) = 1;
        } else if (key == u"freefall-abort") {
            std::abort();
        } else if (key == u"freefall-trap") {
            __builtin_trap();
        }
        return nullptr;
    }
};

#include "crashstyle.moc"
