"""What the pysnmp test agents share: a UDP socket on 127.0.0.1 and a port
the system picks, the line "listening on 127.0.0.1:PORT" that the tests wait
for as the first line on standard output, and answering until killed."""
from pysnmp.carrier.asyncore.dgram import udp


def open_transport():
    return udp.UdpTransport().openServerMode(("127.0.0.1", 0))


def serve(dispatcher, transport):
    print("listening on 127.0.0.1:%d" % transport.socket.getsockname()[1], flush=True)
    dispatcher.jobStarted(1)
    try:
        dispatcher.runDispatcher()
    finally:
        dispatcher.closeDispatcher()
