// The one instantiation of the message tree the section libraries use; their nodes and
// messages all carry unsigned ids.
#include "hosttypes/Oriel/Message.h"

template class CMessage<unsigned int>;
template class CMessageNode<unsigned int>;
