/*
 * corvid_ioctl.h - the request layout between libcorvid and the card's driver.
 *
 * Each card publishes one device node, /dev/corvidSNN, where NN is the card
 * index as two lower-case hexadecimal digits (card 10 is /dev/corvidS0a).
 * The library drives it with one ioctl request, CORVID_IOC_CONTROL, whose
 * argument is a struct corvid_control naming a control code and an input and
 * an output buffer. The control codes and the buffers they carry follow.
 *
 * All multi-byte fields are little-endian. This header is plain C.
 */
#ifndef CORVID_IOCTL_H
#define CORVID_IOCTL_H

#include <stdint.h>
#include <sys/ioctl.h>

/* Control codes (device type 0x22, buffered transfer, any access). */
#define CORVID_CTL_COMMAND 0x220214u     /* in and out: struct corvid_command_request */
#define CORVID_CTL_PORT 0x220218u        /* in and out: struct corvid_port_request */
#define CORVID_CTL_GET_INTR 0x220220u    /* out: 2 bytes, the interrupt status */
#define CORVID_CTL_SET_EVENT 0x220208u   /* in: 4 bytes, an event to signal, or nothing */
#define CORVID_CTL_SET_BG_SET 0x22020Cu  /* in: a background command set */
#define CORVID_CTL_GET_BG_RESULT 0x220210u /* out: the background results */

/* Reply kinds of a command request. */
#define CORVID_REPLY_NONE 0u
#define CORVID_REPLY_16 1u
#define CORVID_REPLY_32 2u

/* The reply the card gives to the reset command (word 19). */
#define CORVID_RESET_REPLY 0x43569C54u

/* One command word with its argument; the card's reply comes back in place. */
struct corvid_command_request {
    uint16_t command;    /* command word */
    uint16_t reply_kind; /* CORVID_REPLY_* */
    uint16_t words_sent; /* argument words sent: 0, 1 or 2 */
    uint16_t reserved;
    uint32_t reply;      /* 0 in the request; the card's reply (16-bit replies in the low half) */
    uint32_t argument;   /* 16-bit arguments in the low half */
};

/* One access to a host port; the value read comes back in place. */
struct corvid_port_request {
    uint16_t port;
    uint16_t write;    /* 0 = read, 1 = write */
    uint16_t count;    /* words moved: always 1 */
    uint16_t reserved;
    uint16_t value;    /* value to write; value read (also after a write) */
    uint16_t reserved2;
};

/* Background command set header; records of {uint16 field, uint16 k, k x 16 bytes} follow. */
struct corvid_bg_set_header {
    uint16_t record_count;
    uint16_t reserved;
};
#define CORVID_BG_ELEMENT_SIZE 16u

/* The argument of CORVID_IOC_CONTROL. Buffers are user addresses (0 for none). */
struct corvid_control {
    uint32_t code;         /* CORVID_CTL_* */
    uint32_t in_size;      /* bytes at in_buffer */
    uint64_t in_buffer;
    uint32_t out_size;     /* room at out_buffer */
    uint32_t out_returned; /* bytes the driver wrote */
    uint64_t out_buffer;
};

#define CORVID_IOC_MAGIC 'V'
#define CORVID_IOC_CONTROL _IOWR(CORVID_IOC_MAGIC, 0x01, struct corvid_control)

#endif /* CORVID_IOCTL_H */
