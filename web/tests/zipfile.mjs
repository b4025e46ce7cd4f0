// Zips for the tests, written as a learning platform writes them (deflated,
// UTF-8 names), and the ones a teacher must never have unpacked: a name
// that leaves its folder, sizes past the limit, a file cut short.

import { deflateRawSync } from "node:zlib";

const table = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});

export function crc32(bytes) {
  let c = 0xffffffff;
  for (const b of bytes) c = table[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

// entries: [{name, data (string or Buffer), stored}]. With `zip64`, every
// size and offset stands in Zip64 fields, as streaming writers put them.
export function zipOf(entries, { zip64 = false } = {}) {
  const full = 0xffffffff;
  const wide = (...values) => {
    const b = Buffer.alloc(4 + 8 * values.length);
    b.writeUInt16LE(1, 0);
    b.writeUInt16LE(8 * values.length, 2);
    values.forEach((v, i) => b.writeBigUInt64LE(BigInt(v), 4 + 8 * i));
    return b;
  };
  const locals = [];
  const centrals = [];
  let offset = 0;
  for (const { name, data, stored } of entries) {
    const raw = Buffer.from(data);
    const packed = stored ? raw : deflateRawSync(raw);
    const nameBytes = Buffer.from(name, "utf8");
    const localExtra = zip64 ? wide(raw.length, packed.length) : Buffer.alloc(0);
    const centralExtra = zip64 ? wide(raw.length, packed.length, offset) : Buffer.alloc(0);
    const local = Buffer.alloc(30);
    local.writeUInt32LE(0x04034b50, 0);
    local.writeUInt16LE(zip64 ? 45 : 20, 4);
    local.writeUInt16LE(0x800, 6); // UTF-8 names
    local.writeUInt16LE(stored ? 0 : 8, 8);
    local.writeUInt32LE(crc32(raw), 14);
    local.writeUInt32LE(zip64 ? full : packed.length, 18);
    local.writeUInt32LE(zip64 ? full : raw.length, 22);
    local.writeUInt16LE(nameBytes.length, 26);
    local.writeUInt16LE(localExtra.length, 28);
    const central = Buffer.alloc(46);
    central.writeUInt32LE(0x02014b50, 0);
    central.writeUInt16LE(zip64 ? 45 : 20, 4);
    central.writeUInt16LE(zip64 ? 45 : 20, 6);
    central.writeUInt16LE(0x800, 8);
    central.writeUInt16LE(stored ? 0 : 8, 10);
    central.writeUInt32LE(crc32(raw), 16);
    central.writeUInt32LE(zip64 ? full : packed.length, 20);
    central.writeUInt32LE(zip64 ? full : raw.length, 24);
    central.writeUInt16LE(nameBytes.length, 28);
    central.writeUInt16LE(centralExtra.length, 30);
    central.writeUInt32LE(zip64 ? full : offset, 42);
    locals.push(local, nameBytes, localExtra, packed);
    centrals.push(central, nameBytes, centralExtra);
    offset += local.length + nameBytes.length + localExtra.length + packed.length;
  }
  const directory = Buffer.concat(centrals);
  const end = Buffer.alloc(22);
  end.writeUInt32LE(0x06054b50, 0);
  end.writeUInt16LE(zip64 ? 0xffff : entries.length, 8);
  end.writeUInt16LE(zip64 ? 0xffff : entries.length, 10);
  end.writeUInt32LE(zip64 ? full : directory.length, 12);
  end.writeUInt32LE(zip64 ? full : offset, 16);
  if (!zip64) return Buffer.concat([...locals, directory, end]);
  const record = Buffer.alloc(56);
  record.writeUInt32LE(0x06064b50, 0);
  record.writeBigUInt64LE(44n, 4);
  record.writeUInt16LE(45, 12);
  record.writeUInt16LE(45, 14);
  record.writeBigUInt64LE(BigInt(entries.length), 24);
  record.writeBigUInt64LE(BigInt(entries.length), 32);
  record.writeBigUInt64LE(BigInt(directory.length), 40);
  record.writeBigUInt64LE(BigInt(offset), 48);
  const locator = Buffer.alloc(20);
  locator.writeUInt32LE(0x07064b50, 0);
  locator.writeBigUInt64LE(BigInt(offset + directory.length), 8);
  locator.writeUInt32LE(1, 16);
  return Buffer.concat([...locals, directory, record, locator, end]);
}
