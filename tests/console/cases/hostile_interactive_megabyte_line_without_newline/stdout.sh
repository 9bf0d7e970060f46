printf "Atencao: Antes de executar este programa, leia as instrucoes de uso\n\n[1] Calcular uma revareza paralela\n[2] Calcular uma revareza perspectiva\n\n[0] Sair do programa\n\nEntre com a sua opcao: "
# The discard takes at most 255 characters per retry: ceil(1048576 / 255) retries.
for ((i = 0; i < 4113; ++i)); do printf "Resposta invalida, tente novamente: "; done
