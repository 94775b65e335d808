// A style plugin that fails the way a broken plugin or platform does while the window opens:
// -style freefall-segfault writes to memory that may not be written, freefall-abort aborts,
// freefall-trap executes an illegal instruction.
#include <QStylePlugin>

#include <sys/mman.h>

#include <cstdlib>

class CrashStylePlugin : public QStylePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "crashstyle.json")

public:
    QStyle *create(const QString &key) override
    {
        if (key == u"freefall-segfault") {
            // A page without access, rather than a null pointer, which the undefined behaviour
            // sanitizer would catch before the processor does.
            void *page = mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (page != MAP_FAILED)
                *static_cast<volatile int *>(page) = 1;
        } else if (key == u"freefall-abort") {
            std::abort();
        } else if (key == u"freefall-trap") {
            __builtin_trap();
        }
        return nullptr;
    }
};

#include "crashstyle.moc"
