#include "library/snmp/usm_key.h"

#include <openssl/evp.h>

namespace {

const EVP_MD* DigestOf(int authProtocol) {
    if (authProtocol == 2) return EVP_md5();
    if (authProtocol == 3) return EVP_sha1();
    return nullptr;
}

// Hashes `size` octets of `text` repeated without end.
std::string HashRepeated(const EVP_MD* digest, const std::string& text, std::size_t size) {
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    EVP_DigestInit_ex(context, digest, nullptr);
    unsigned char block[64];
    std::size_t position = 0;
    for (std::size_t done = 0; done < size; done += sizeof block) {
        for (unsigned char& octet : block) {
            octet = static_cast<unsigned char>(text[position]);
            position = (position + 1) % text.size();
        }
        EVP_DigestUpdate(context, block, sizeof block);
    }
    unsigned char result[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(context, result, &length);
    EVP_MD_CTX_free(context);
    return std::string(reinterpret_cast<const char*>(result), length);
}

std::string Hash(const EVP_MD* digest, const std::string& data) {
    unsigned char result[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(data.data(), data.size(), result, &length, digest, nullptr);
    return std::string(reinterpret_cast<const char*>(result), length);
}

}  // namespace

std::string UsmPassphraseKey(int authProtocol, const std::string& passphrase) {
    const EVP_MD* digest = DigestOf(authProtocol);
    if (digest == nullptr || passphrase.empty()) return std::string();
    return HashRepeated(digest, passphrase, 1048576);
}

std::string UsmLocalizedKey(int authProtocol, const std::string& key, const std::string& engineId) {
    const EVP_MD* digest = DigestOf(authProtocol);
    if (digest == nullptr) return std::string();
    return Hash(digest, key + engineId + key);
}
