#include "pcx/pcx_handler.h"

#include <QImageIOPlugin>

namespace vantaloop::pcx {

// Makes the PCX reader known to QImageReader, by name and by content.
class PcxPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "pcx.json")

public:
    Capabilities capabilities(QIODevice *device, const QByteArray &format) const override
    {
        if (format == "pcx")
            return CanRead;
        if (format.isEmpty() && device && device->isReadable() && PcxHandler::canRead(device))
            return CanRead;
        return {};
    }

    QImageIOHandler *create(QIODevice *device, const QByteArray &format) const override
    {
        auto *handler = new PcxHandler;
        handler->setDevice(device);
        handler->setFormat(format.isEmpty() ? QByteArray("pcx") : format);
        return handler;
    }
};

} // namespace vantaloop::pcx

#include "pcx_plugin.moc"
